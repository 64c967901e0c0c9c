// The exactly-once loop against a terminal of the test's own (the
// acknowledgement rule: a punch handed over stays until the next request),
// the file sink's records, repair and locks, and the runner's order. Many
// terminals storing into one file at once: the tool's end-to-end run of 200.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <sstream>
#include <thread>

#include "collect_loop.h"
#include "file_sink.h"
#include "runner.h"

namespace fleet {
bool operator==(const LastPunch& a, const LastPunch& b) { return a.key == b.key && a.confirmed == b.confirmed; }
}  // namespace fleet

namespace {

// Terminal 1: its punches, the one handed over and not yet acknowledged, and
// scripted answers: 128 (the SDK's "offered again") or a failed exchange.
struct FakeTerminal {
    std::deque<fleet::Punch> punches;
    bool handed = false;  // the front punch was handed over; the next request acknowledges it
    std::deque<uint8_t> script;  // codes to answer before doing anything
    int requests = 0;
} g;

// A request: the scripted answer, if any and not 0; else the punch handed
// over before is acknowledged.
uint8_t request() {
    ++g.requests;
    uint8_t c = 0;
    if (!g.script.empty()) c = g.script.front(), g.script.pop_front();
    if (c == 0 && g.handed) g.punches.pop_front(), g.handed = false;
    return c;
}
uint8_t fake_count(int32_t, int32_t* left) {
    if (const uint8_t c = request()) return c;
    *left = static_cast<int32_t>(g.punches.size());
    return 0;
}
uint8_t fake_collect(int32_t, uint8_t* type, uint8_t* day, uint8_t* month, uint8_t* year, uint8_t* hour,
                     uint8_t* minute, char* card) {
    if (const uint8_t c = request()) return c;
    if (g.punches.empty()) return 1;
    const fleet::Punch& p = g.punches.front();
    *type = p.type, *day = p.day, *month = p.month, *year = p.year, *hour = p.hour, *minute = p.minute;
    std::copy(p.card, p.card + 16, card);
    g.handed = true;
    return 0;
}

fleet::Punch punch(uint8_t minute) {
    fleet::Punch p;
    p.terminal = 1, p.type = 1, p.day = 7, p.month = 12, p.year = 26, p.hour = 9, p.minute = minute;
    std::snprintf(p.card, sizeof p.card, "%016d", 4242);
    return p;
}

// A sink in memory that may refuse its n-th store.
struct MemorySink : fleet::PunchSink {
    fleet::LastPunch record;
    std::vector<uint8_t> stored;  // minutes
    int fail_at = -1;
    std::string holder;
    std::string claim(int32_t) override { return holder; }
    void release(int32_t) override {}
    fleet::LastPunch last(int32_t) override { return record; }
    std::string store(const fleet::Punch& p) override {
        if (static_cast<int>(stored.size()) == fail_at) return "disk full";
        stored.push_back(p.minute);
        record = {fleet::punch_key(p), false};
        return {};
    }
    std::string confirm(int32_t) override {
        record.confirmed = true;
        return {};
    }
};

TEST(CollectLoop, StoresEveryPunchOnceAndStopsTalkingAfterAFailedStore) {
    const std::string p1 = fleet::punch_key(punch(1));
    using End = fleet::CollectReport::End;
    const struct {
        const char* name;
        std::vector<uint8_t> on_terminal;  // minutes of the punches it holds
        fleet::LastPunch record;           // the sink's record before
        std::deque<uint8_t> script;
        int fail_at;
        std::string holder;
        std::vector<uint8_t> stored;  // minutes stored
        End end;
        std::size_t left_on_terminal;
        bool confirmed;
    } cases[] = {
        {"all", {1, 2, 3}, {}, {}, -1, "", {1, 2, 3}, End::done, 0, true},
        {"offered again after a restart", {1, 2}, {p1, false}, {}, -1, "", {2}, End::done, 0, true},
        {"same fields after a confirmed one: new", {1, 2}, {p1, true}, {}, -1, "", {1, 2}, End::done, 0, true},
        {"SDK says 128", {1, 2}, {}, {0, 0, 128}, -1, "", {1, 2}, End::done, 0, true},
        {"store fails: the punch stays", {1, 2, 3}, {}, {}, 1, "", {1}, End::failed, 2, false},
        {"held by another", {1}, {}, {}, -1, "held by pid 1", {}, End::refused, 1, false},
        {"dead terminal", {1}, {}, {1, 1, 1, 1}, -1, "", {}, End::failed, 1, false},
        {"stuck offering", {1}, {}, {0, 0, 128, 128, 128, 128, 128}, -1, "", {1}, End::failed, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g = {};
        for (uint8_t m : c.on_terminal) g.punches.push_back(punch(m));
        g.script = c.script;
        MemorySink sink;
        sink.record = c.record, sink.fail_at = c.fail_at, sink.holder = c.holder;
        const fleet::CollectReport r = fleet::collect_terminal({fake_collect, fake_count}, 1, sink, {});
        EXPECT_EQ(c.stored, sink.stored);
        EXPECT_EQ(c.end, r.end) << r.failure;
        EXPECT_EQ(c.left_on_terminal, g.punches.size());
        EXPECT_EQ(c.confirmed, sink.record.confirmed);
        if (!c.holder.empty()) {
            EXPECT_EQ(0, g.requests);
        }
    }
}

class FileSinkTest : public testing::Test {
protected:
    void SetUp() override {
        char d[] = "/tmp/fleet-test-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(d));
        dir_ = d;
        options_.path = dir_ + "/punches.csv";
        options_.header = "terminal,minute\n";
        options_.line = [](const fleet::Punch& p) { return std::to_string(p.terminal) + "," + std::to_string(p.minute) + "\n"; };
    }
    void TearDown() override { std::system(("rm -rf " + dir_).c_str()); }
    std::unique_ptr<fleet::FileSink> open() { return fleet::FileSink::open(options_, error_, notice_); }
    std::string text() const {
        std::stringstream s;
        s << std::ifstream(options_.path).rdbuf();
        return s.str();
    }
    std::string dir_, error_, notice_;
    fleet::FileSinkOptions options_;
};

TEST_F(FileSinkTest, RecordsSurviveReopeningAndACutLineIsRemoved) {
    {
        auto sink = open();
        ASSERT_TRUE(sink) << error_;
        ASSERT_EQ("", sink->claim(1));
        ASSERT_EQ("", sink->store(punch(1)));
        ASSERT_EQ("", sink->store(punch(2)));
    }
    std::ofstream(options_.path, std::ios::app) << "1,3";  // a write that never ended
    auto sink = open();
    ASSERT_TRUE(sink) << error_;
    EXPECT_NE(std::string::npos, notice_.find("\"1,3\"")) << notice_;
    EXPECT_EQ("terminal,minute\n1,1\n1,2\n", text());
    ASSERT_EQ("", sink->claim(1));
    EXPECT_EQ((fleet::LastPunch{fleet::punch_key(punch(2)), false}), sink->last(1));
    ASSERT_EQ("", sink->confirm(1));
    EXPECT_TRUE(open()->last(1).confirmed);
}

TEST_F(FileSinkTest, ASecondCollectorOfATerminalIsToldWhoHoldsIt) {
    auto first = open(), second = open();
    ASSERT_EQ("", first->claim(5));
    const std::string refused = second->claim(5);
    EXPECT_NE(std::string::npos, refused.find("held by pid " + std::to_string(getpid()))) << refused;
    EXPECT_EQ("", second->claim(6));
    first->release(5);
    EXPECT_EQ("", second->claim(5));
}

TEST_F(FileSinkTest, RefusesToMixFormats) {
    std::ofstream(options_.path) << "{\"terminal\":1}\n";
    EXPECT_FALSE(open());
    EXPECT_NE(std::string::npos, error_.find("holds JSON lines")) << error_;
}

TEST(Runner, KeepsTheOrderOfOutcomesAndRunsAtMostParallel) {
    std::atomic<int> running{0}, most{0};
    const auto outcomes = fleet::run_terminals({3, 1, 2, 9}, 2, [&](int32_t t, fleet::Output&) {
        const int now = ++running;
        for (int seen = most; now > seen && !most.compare_exchange_weak(seen, now);) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        --running;
        return t == 2 ? fleet::Outcome::failed(t, "no") : fleet::Outcome::ok(t);
    });
    ASSERT_EQ(4u, outcomes.size());
    EXPECT_EQ(9, outcomes[3].terminal);
    EXPECT_EQ(fleet::Outcome::Status::failed, outcomes[2].status);
    EXPECT_LE(most.load(), 2);
}

}  // namespace
