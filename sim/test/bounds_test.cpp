// The queues a terminal keeps for the host, and its modules, stop at their bounds.
#include <gtest/gtest.h>

#include <string>

#include "sim/control.h"
#include "sim/events.h"

namespace {

using namespace corvo::sim;

TEST(Bounds, EventsAndModuleAnswersStopAtTheirBounds) {
    Terminal t(1);
    for (std::size_t i = 0; i <= kMaxQueuedEvents; ++i) push_event(t, kOriginKeypad, 0, "1");
    EXPECT_EQ(kMaxQueuedEvents, t.events.size());
    for (std::size_t i = 0; i <= kMaxQueuedBioAnswers; ++i) bio_answer(t, 0, {});
    EXPECT_EQ(kMaxQueuedBioAnswers, t.bio.answers.size());
}

TEST(Bounds, ModulesHoldAtMostTheirUsers) {
    TerminalBank bank;
    for (std::size_t u = 1; u <= kMaxBioUsers; ++u) control_command(bank, "bio-user 1 " + std::to_string(u) + " 0");
    EXPECT_EQ("error the fingerprint module is full (1000 users)", control_command(bank, "bio-user 1 99999").reply);
    EXPECT_EQ("ok", control_command(bank, "bio-user 1 5 2").reply);  // a user it holds changes still
    for (std::size_t u = 1; u <= kMaxOsselUsers; ++u) control_command(bank, "ossel-user 1 " + std::to_string(u));
    EXPECT_EQ("error the Ossel module is full (1000 users)", control_command(bank, "ossel-user 1 99999").reply);
}

}  // namespace
