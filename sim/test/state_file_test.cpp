// The saved state: what comes back after a restart through the snapshot and
// the journal, and files that are refused without changing anything.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "link/crc.h"
#include "sim/punches.h"
#include "sim/state_file.h"
#include "sim/state_journal.h"

namespace {

using namespace corvo::sim;

std::string temp_path(const char* name) { return ::testing::TempDir() + name; }

// A line with its check.
std::string line(const std::string& text) {
    char check[9];
    std::snprintf(check, sizeof check, "%08x",
                  corvo::link::crc32(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    return text + " ~" + check + "\n";
}

bool load(const std::string& path, TerminalBank& bank, corvo::link::Endpoint& endpoint, std::string& error,
          std::size_t max_terminals = 1024) {
    StateLimits limits;
    limits.max_terminals = max_terminals;
    return load_state(path, bank, endpoint, limits, error);
}

Punch a_punch(uint64_t card) {
    Punch p;
    p.type = 1, p.day = 31, p.month = 12, p.year = 26, p.hour = 23, p.minute = 59, p.card = card;
    return p;
}

// Snapshot, then journal lines for stored, delivered, handed and forgotten
// punches and the link's memory, then a torn last write: all of it comes back.
TEST(StateFile, SnapshotAndJournalComeBack) {
    TerminalBank bank;
    corvo::link::Endpoint endpoint(bank);
    Terminal& t = bank.terminal(7);
    store_punch(t, a_punch(12345678901234ull));
    store_punch(t, a_punch(2));
    bank.terminal(9);
    const std::string path = temp_path("state_round_trip");
    StateJournal journal(bank, endpoint);
    std::string error;
    ASSERT_TRUE(journal.start(path, error)) << error;

    store_punch(t, a_punch(3));
    bank.commit(7);  // nothing handed: stays
    t.handed = Terminal::Handed::Punch;
    bank.commit(7);  // the oldest leaves
    t.handed = Terminal::Handed::Punch;
    t.last_session = 99;
    t.last_seq = 12;
    corvo::link::Endpoint::Memory m;
    m.session = 0xDEADBEEF, m.last_seq = 65535, m.has_last = true, m.fingerprint = 0x01020304;
    m.pending_seq = 65535, m.last_answer = {0xC5, 0x3A, 0x00, 0xFF};
    endpoint.restore(7, m);
    ASSERT_TRUE(journal.record(7));
    bank.reset();  // forgets 9 (and 7, made again below)
    Terminal& again = bank.terminal(7);
    store_punch(again, a_punch(4));
    store_punch(again, a_punch(5));
    ASSERT_TRUE(journal.record_all());
    again.handed = Terminal::Handed::Punch;
    bank.commit(7);
    again.handed = Terminal::Handed::Punch;
    ASSERT_TRUE(journal.record(7));
    std::ofstream(path, std::ios::app) << "punch 7 1 1 1 26 8 0 5";  // torn: never acknowledged

    TerminalBank back;
    corvo::link::Endpoint back_endpoint(back);
    ASSERT_TRUE(load(path, back, back_endpoint, error)) << error;
    ASSERT_TRUE(back.has(7));
    EXPECT_FALSE(back.has(9));
    const Terminal& b = back.terminal(7);
    ASSERT_EQ(1u, b.punches.size());
    EXPECT_EQ(5u, b.punches[0].card);
    EXPECT_EQ(1u, b.punches_delivered);
    EXPECT_EQ(Terminal::Handed::Punch, b.handed);
    EXPECT_EQ(again.next_punch_id, b.next_punch_id);
    const auto& bm = back_endpoint.memory().at(7);
    EXPECT_EQ(m.session, bm.session);
    EXPECT_EQ(m.pending_seq, bm.pending_seq);
    EXPECT_EQ(m.last_answer, bm.last_answer);
    std::remove(path.c_str());
}

TEST(StateFile, BadFilesAreRefusedWithTheirLineAndChangeNothing) {
    const std::string head = line("corvo-sim-state 2");
    const std::string t1 = line("terminal 1 3 0 0 0 0");
    const std::string j = line("journal");
    const std::string punch = line("punch 1 0 7 3 26 10 45 1234567890 6");
    std::string flipped = punch;
    flipped[10] ^= 0x04;  // day 7 -> 3: the check fails
    struct Case {
        const char* name;
        std::string text;
        const char* reason;  // in the message, after FILE:LINE
    } cases[] = {
        {"another file", "hello\n", ":1: not a corvo-sim state file"},
        {"format 1", "corvo-sim-state 1\nend\n", ":1: format 1"},
        {"format 3", line("corvo-sim-state 3"), ":1: format 3 is not read"},
        {"no journal line", head + t1, ":2: cut short"},
        {"torn snapshot", head + "terminal 1", ":2: cut short"},
        {"no check", head + "terminal 1 3 0 0 0 0\n" + j, ":2: no check"},
        {"a flipped bit", head + t1 + flipped + j, ":3: the line fails its check"},
        {"duplicate block", head + t1 + t1 + j, ":3: terminal 1 twice"},
        {"negative terminal", head + line("terminal -3 1 0 0 0 0") + j, ":2: terminal '-3' is not a number"},
        {"terminal too large", head + line("terminal 4294967296 1 0 0 0 0") + j, ":2: terminal '4294967296'"},
        {"too many terminals", head + t1 + line("terminal 2 1 0 0 0 0") + line("terminal 3 1 0 0 0 0") + j,
         ":4: more than 2 terminals"},
        {"month 92", head + t1 + line("punch 1 0 7 92 26 10 45 1 6") + j, ":3: month '92'"},
        {"type 5", head + t1 + line("punch 1 5 7 3 26 10 45 1 6") + j, ":3: type '5'"},
        {"card of 17 digits", head + t1 + line("punch 1 0 7 3 26 10 45 10000000000000000 6") + j, ":3: card"},
        {"punch before its terminal", head + punch + j, ":2: terminal 1 has no terminal line"},
        {"handed out of range", head + line("terminal 1 1 0 9 0 0") + j, ":2: handed '9'"},
        {"odd answer bytes", head + line("memory 1 5 1 1 0 0 abc") + j, ":2: the answer bytes"},
        {"delivered in the snapshot", head + t1 + line("delivered 1 1") + j, ":3: delivered line in the snapshot"},
        {"more delivered than stored", head + t1 + punch + j + line("delivered 1 2"), ":5: delivered punches '2'"},
        {"unknown line", head + line("something") + j, ":2: unknown line"},
        {"wrong word count", head + line("terminal 1 3") + j, ":2: terminal line with the wrong number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = temp_path("state_damaged");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.text;
        TerminalBank bank;
        corvo::link::Endpoint endpoint(bank);
        std::string error;
        EXPECT_FALSE(load(path, bank, endpoint, error, 2));
        EXPECT_NE(std::string::npos, error.find(path + c.reason)) << error;
        EXPECT_TRUE(bank.terminals().empty());
        EXPECT_TRUE(endpoint.memory().empty());
        std::remove(path.c_str());
    }
}

TEST(StateFile, OnlyRegularFilesWithinTheLimitAreRead) {
    TerminalBank bank;
    corvo::link::Endpoint endpoint(bank);
    std::string error;
    EXPECT_FALSE(load(temp_path("state_missing"), bank, endpoint, error));
    const std::string fifo = temp_path("state_fifo");
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    EXPECT_FALSE(load(fifo, bank, endpoint, error));  // does not wait for a writer
    EXPECT_NE(std::string::npos, error.find("not a regular file")) << error;
    std::remove(fifo.c_str());
    EXPECT_FALSE(load("/dev/zero", bank, endpoint, error));
    StateLimits small;
    small.max_bytes = 10;
    const std::string big = temp_path("state_big");
    std::ofstream(big) << line("corvo-sim-state 2") << line("journal");
    EXPECT_FALSE(load_state(big, bank, endpoint, small, error));
    EXPECT_NE(std::string::npos, error.find("larger than 10 bytes")) << error;
    volatile std::sig_atomic_t signalled = 1;
    StateLimits interrupted;
    interrupted.interrupted = &signalled;
    EXPECT_FALSE(load_state(big, bank, endpoint, interrupted, error));
    EXPECT_NE(std::string::npos, error.find("interrupted")) << error;
    std::remove(big.c_str());
}

}  // namespace
