// The saved state: what comes back after a restart, and files that are
// refused without changing anything.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "sim/punches.h"
#include "sim/state_file.h"

namespace {

using namespace corvo::sim;

std::string temp_path(const char* name) { return ::testing::TempDir() + name; }

TEST(StateFile, PunchesAndLinkMemoryComeBack) {
    TerminalBank bank;
    corvo::link::Endpoint endpoint(bank);
    Terminal& t = bank.terminal(7);
    Punch p;
    p.type = 1, p.day = 31, p.month = 12, p.year = 26, p.hour = 23, p.minute = 59, p.card = 12345678901234ull;
    store_punch(t, p);
    store_punch(t, p);
    t.punches_delivered = 41;
    t.handed = Terminal::Handed::Punch;
    t.last_session = 99;
    t.last_seq = 12;
    bank.terminal(3);  // a terminal with nothing
    corvo::link::Endpoint::Memory m;
    m.session = 0xDEADBEEF;
    m.last_seq = 65535;
    m.has_last = true;
    m.fingerprint = 0x01020304;
    m.pending_seq = 65535;
    m.last_answer = {0xC5, 0x3A, 0x00, 0xFF};
    endpoint.restore(7, m);
    const std::string path = temp_path("state_round_trip");
    ASSERT_TRUE(save_state(path, bank, endpoint));

    TerminalBank back;
    corvo::link::Endpoint back_endpoint(back);
    std::string error;
    ASSERT_TRUE(load_state(path, back, back_endpoint, error)) << error;
    ASSERT_TRUE(back.has(7));
    ASSERT_TRUE(back.has(3));
    const Terminal& b = back.terminal(7);
    ASSERT_EQ(2u, b.punches.size());
    EXPECT_EQ(t.punches[1].id, b.punches[1].id);
    EXPECT_EQ(12345678901234ull, b.punches[0].card);
    EXPECT_EQ(59, b.punches[0].minute);
    EXPECT_EQ(t.next_punch_id, b.next_punch_id);
    EXPECT_EQ(41u, b.punches_delivered);
    EXPECT_EQ(Terminal::Handed::Punch, b.handed);
    EXPECT_EQ(99u, b.last_session);
    EXPECT_EQ(12, b.last_seq);
    const auto& bm = back_endpoint.memory().at(7);
    EXPECT_EQ(m.session, bm.session);
    EXPECT_EQ(m.last_seq, bm.last_seq);
    EXPECT_TRUE(bm.has_last);
    EXPECT_EQ(m.fingerprint, bm.fingerprint);
    EXPECT_EQ(m.pending_seq, bm.pending_seq);
    EXPECT_EQ(m.last_answer, bm.last_answer);
    std::remove(path.c_str());
}

TEST(StateFile, DamagedFilesAreRefusedAndChangeNothing) {
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"another file", "hello\n"},
        {"no end", "corvo-sim-state 1\nterminal 1 1 0 0 0 0 0\n"},
        {"punches cut short", "corvo-sim-state 1\nterminal 1 3 0 0 0 0 2\n0 1 1 26 8 0 5 1\n"},
        {"bad punch", "corvo-sim-state 1\nterminal 1 3 0 0 0 0 1\nx\nend\n"},
        {"handed out of range", "corvo-sim-state 1\nterminal 1 1 0 9 0 0 0\nend\n"},
        {"odd answer bytes", "corvo-sim-state 1\nmemory 1 5 1 1 0 0 abc\nend\n"},
        {"unknown line", "corvo-sim-state 1\nsomething\nend\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = temp_path("state_damaged");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.text;
        TerminalBank bank;
        corvo::link::Endpoint endpoint(bank);
        std::string error;
        EXPECT_FALSE(load_state(path, bank, endpoint, error));
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(bank.terminals().empty());
        EXPECT_TRUE(endpoint.memory().empty());
        std::remove(path.c_str());
    }
    TerminalBank bank;
    corvo::link::Endpoint endpoint(bank);
    std::string error;
    EXPECT_FALSE(load_state(temp_path("state_missing"), bank, endpoint, error));
}

}  // namespace
