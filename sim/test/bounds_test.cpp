// The queues a terminal keeps for the host stop at their bounds.
#include <gtest/gtest.h>

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

}  // namespace
