// The tool end to end: build/bin/varanda (VARANDA_TOOL) against corvo-sim
// instances of the test's own (CORVO_SIM_BIN), as an installer would run it.
#include <signal.h>
#include <sys/stat.h>
#include <time.h>

#include <ctime>

#include "tool_support.h"

namespace {

using tool_test::eventually;
using tool_test::lines_of;
using tool_test::Outcome;
using tool_test::slurp;
using tool_test::spit;
using Sim = e2e::SimProcess;

class Tool : public tool_test::ToolTest {};

TEST_F(Tool, AccessListArrivesWholeOrNotAtAll) {
    ASSERT_NO_FATAL_FAILURE(start_sim({}));
    std::string csv = "card,schedule\n";
    for (int i = 0; i < 10000; ++i) csv += std::to_string(50000000 + i * 7) + "," + std::to_string(1 + i % 100) + "\n";
    spit(path("cards.csv"), csv);
    Outcome r = run(sim_->link(), {"access-list", "push", path("cards.csv")});
    ASSERT_EQ(0, r.status) << r.err;
    auto list = sim_->dump(1)["access_list"];
    ASSERT_EQ(10000, list["count"].num());
    for (int i = 0; i < 10000; ++i) {
        ASSERT_EQ(std::to_string(50000000 + i * 7), list["cards"][std::size_t(i)]["card"].str()) << i;
        ASSERT_EQ(1 + i % 100, list["cards"][std::size_t(i)]["schedule"].num()) << i;
    }
    // One bad line: named, and nothing sent. The terminal's clock runs on
    // between the two dumps, so it is left out of the comparison.
    auto state = [this] {
        std::string d = sim_->control_port().command("dump 1");
        const std::size_t at = d.find("\"clock\":{");
        if (at != std::string::npos) d.erase(at, d.find('}', at) + 1 - at);
        return d;
    };
    const std::string commands = state();
    spit(path("bad.csv"), "1001,1\n1002,1\n# a comment\n10x3,1\n1004,1\n");
    r = run(sim_->link(), {"access-list", "push", path("bad.csv")});
    EXPECT_EQ(2, r.status);
    EXPECT_EQ("varanda: " + path("bad.csv") + ":4: card '10x3' is not a number (digits only) (varanda --help)\n", r.err);
    EXPECT_EQ(commands, state());
}

// The time set arrives and is read back (the terminal's clock runs on from
// it); "now" is the host's local time, so what is read back lies between the
// host's clock before the set and after the read.
TEST_F(Tool, ClockSetThenGet) {
    ASSERT_NO_FATAL_FAILURE(start_sim({}));
    ASSERT_EQ(0, run(sim_->link(), {"clock", "set", "2030-01-02T03:04:05"}).status);
    EXPECT_EQ("2030-01-02", sim_->dump(1)["clock"]["date"].str());
    Outcome r = run(sim_->link(), {"clock", "get"});
    EXPECT_EQ(0u, r.out.find("terminal 1: 2030-01-02T03:04:")) << r.out;
    const std::time_t before = std::time(nullptr);
    ASSERT_EQ(0, run(sim_->link(), {"clock", "set", "now"}).status);
    r = run(sim_->link(), {"clock", "get"});
    const std::time_t after = std::time(nullptr);
    std::tm tm{};
    ASSERT_NE(nullptr, strptime(r.out.c_str(), "terminal 1: %Y-%m-%dT%H:%M:%S", &tm)) << r.out;
    tm.tm_isdst = -1;
    const std::time_t read = std::mktime(&tm);
    EXPECT_LE(before, read) << r.out;
    EXPECT_LE(read, after) << r.out;
}

TEST_F(Tool, WatchAnswersAllowedCardsWithTheRelayAndDeniesTheOthers) {
    ASSERT_NO_FATAL_FAILURE(start_sim({}));
    spit(path("allow.csv"), "card\n12345678\n");
    const pid_t tool = start(sim_->link(), {"watch", "--grant", "relay1", "--allow", path("allow.csv")});
    ASSERT_TRUE(eventually([&] { return sim_->dump(1)["online"].boolean(); }));
    ASSERT_EQ("ok", sim_->control_port().command("card 1 12345678"));
    ASSERT_EQ("ok", sim_->control_port().command("card 1 999"));
    ASSERT_TRUE(eventually([&] { return lines_of(slurp(path("out"))).size() >= 2; }));
    kill(tool, SIGINT);
    EXPECT_EQ(0, e2e::wait_for(tool)) << slurp(path("err"));
    EXPECT_FALSE(sim_->dump(1)["online"].boolean()) << "left online";
    const auto out = lines_of(slurp(path("out")));
    ASSERT_EQ(2u, out.size());
    EXPECT_EQ(0u, out[0].find("terminal 1: card 12345678 ")) << out[0];
    EXPECT_NE(std::string::npos, out[0].find(": relay1")) << out[0];
    EXPECT_NE(std::string::npos, out[1].find(": denied")) << out[1];
    const auto d = sim_->dump(1);
    EXPECT_EQ(1, d["relays"][std::size_t(0)]["pulses"].num());
    EXPECT_EQ("Access denied   ", d["display_temporary"]["line1"].str());
}

TEST_F(Tool, SeveralTerminalsInOneCommand) {
    ASSERT_NO_FATAL_FAILURE(start_sim({"--terminals", "1-3", "--punches", "5"}));
    ASSERT_EQ("ok", sim_->control_port().command("refuse 2 10"));
    Outcome r = run(sim_->link(), {"--terminal", "1-3", "ping"});
    EXPECT_EQ(1, r.status);
    const auto out = lines_of(r.out);
    ASSERT_EQ(2u, out.size());
    EXPECT_EQ(0u, out[0].find("terminal 1: ok"));
    EXPECT_EQ(0u, out[1].find("terminal 3: ok"));
    EXPECT_EQ(0u, r.err.find("varanda: ping: terminal 2: ")) << r.err;
    r = run(sim_->link(), {"--terminal", "1,3", "--json", "collect"});
    EXPECT_EQ(0, r.status) << r.err;
    // Punches go out as they are taken, each line whole, the terminals' lines side by side.
    std::map<std::string, int> per_terminal;
    for (const std::string& l : lines_of(r.out)) ++per_terminal[l.substr(0, l.find(','))];
    EXPECT_EQ((std::map<std::string, int>{{"{\"terminal\":1", 5}, {"{\"terminal\":3", 5}}), per_terminal);
    r = run(sim_->link(), {"--terminal", "1,3", "config", "set", "card-digits=10", "keypad=on"});
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_EQ(10, sim_->dump(3)["config"]["card_digits"].num());
}

// What went wrong, in one line of words and its status: a usage error (2),
// the connection, the terminal's silence or refusal, a file that does not fit
// the terminal's settings (1).
TEST_F(Tool, FailuresSayWhatHappened) {
    ASSERT_NO_FATAL_FAILURE(start_sim({"--model", "old"}));
    Sim mute(dir_ + "/mute");
    ASSERT_EQ(0, mkdir((dir_ + "/mute").c_str(), 0700));
    ASSERT_TRUE(mute.start({"--faults", "100 0 0 0", "--fault-seed", "1"}));
    spit(path("times"), "access 1 1-5 08:00 12:00\n");
    spit(path("cards.csv"), "12345678,1\n");
    const int closed = 1;  // nothing listens there
    const struct {
        int port;
        std::vector<std::string> args;
        std::map<std::string, std::string> env;
        int status;
        std::string err;  // a part of standard error
    } cases[] = {
        {sim_->link(), {"fly"}, {}, 2, "varanda: unknown command 'fly'"},
        {sim_->link(), {"access-list", "push", path("missing.csv")}, {}, 2,
         "varanda: " + path("missing.csv") + ": cannot open"},
        {sim_->link(), {"access-list", "push", dir_}, {}, 2, "varanda: " + dir_ + ": cannot"},
        {sim_->link(), {"relay", "3"}, {}, 2, "varanda: relay 1|2"},
        {sim_->link(), {"config", "set", "mode=sideways"}, {}, 2, "config set: mode=sideways: allowed values offline|online"},
        {closed, {"ping"}, {}, 1, "connection refused by 127.0.0.1:" + std::to_string(closed) + " (code 1)"},
        {sim_->link(), {"ping"}, {{"CORVO_TCP_HOST", "no-such-host.invalid"}}, 1, "host no-such-host.invalid not found"},
        {9, {"--type", "serial", "ping"}, {{"CORVO_SERIAL_DEVICE_9", path("no-device")}}, 1,
         "device " + path("no-device") + " missing"},
        {mute.link(), {"--timeout", "50", "--retries", "0", "ping"}, {}, 1,
         "no answer from terminal 1 at 127.0.0.1:" + std::to_string(mute.link()) + " within the time-out (50 ms"},
        {sim_->link(), {"schedules", "push", path("times")}, {}, 1, "answers, but refused the command"},
        {sim_->link(), {"--old-model", "schedules", "push", path("times")}, {}, 0, ""},
        {sim_->link(), {"access-list", "push", path("cards.csv"), "--card-digits", "8"}, {}, 1,
         "the terminal is set for 14-digit cards, not --card-digits 8; nothing sent"},
        {sim_->link(), {"--json", "clock", "get"}, {{"CORVO_TCP_TERMINALS", path("no-map")}}, 1,
         "the terminal map " + path("no-map")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Outcome r = run(c.port, c.args, c.env);
        EXPECT_EQ(c.status, r.status) << r.err;
        EXPECT_NE(std::string::npos, r.err.find(c.err)) << r.err;
        if (c.status == 2) {
            EXPECT_EQ(1u, lines_of(r.err).size()) << r.err;
        }
        if (c.args[0] == "--json") {
            EXPECT_EQ(0u, r.out.find("{\"terminal\":1,\"ok\":false,\"error\":")) << r.out;
        }
    }
    EXPECT_EQ(0, sim_->dump(1)["access_list"]["count"].num());
    const Outcome r =
        run(sim_->link(), {"--old-model", "access-list", "push", path("cards.csv"), "--card-digits", "8", "--reconfigure"});
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_EQ(8, sim_->dump(1)["config"]["card_digits"].num());
}

// A line that drops a fifth of the frames: with --retries every command goes
// through, and every punch reaches the file once, as the terminal stored it.
TEST_F(Tool, RetriesCarryEveryCommandOverALossyLine) {
    ASSERT_NO_FATAL_FAILURE(start_sim({"--faults", "20 0 0 0", "--fault-seed", "7", "--punches", "20"}));
    const std::vector<std::vector<std::string>> commands = {
        {"ping"}, {"info"}, {"clock", "get"}, {"clock", "set", "now"}, {"config", "get"}, {"beep", "short"},
        {"collect", "--out", path("punches.csv")}};
    for (const auto& c : commands) {
        std::vector<std::string> args = {"--timeout", "30", "--retries", "12"};
        args.insert(args.end(), c.begin(), c.end());
        const Outcome r = run(sim_->link(), args);
        EXPECT_EQ(0, r.status) << c[0] << ": " << r.err;
    }
    EXPECT_EQ("", tool_test::exactly_once(expected_, path("punches.csv")));
    EXPECT_EQ(0, sim_->dump(1)["punches"]["stored"].num());
}

// The tool closes the serial port at the end of a run and the modem hangs
// up: the next run dials again and is answered.
TEST_F(Tool, EveryModemRunDialsAfresh) {
    ASSERT_NO_FATAL_FAILURE(start_sim({"--pty", "--modem", "connect"}));
    const std::string ports = slurp(dir_ + "/ports");
    const std::size_t at = ports.find("pty=");
    ASSERT_NE(std::string::npos, at) << ports;
    const std::string pty = ports.substr(at + 4, ports.find('\n', at) - at - 4);
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        const Outcome r = run(7, {"--type", "modem", "--dial", "555", "ping"},
                              {{"CORVO_SERIAL_DEVICE_7", pty}});
        EXPECT_EQ(0, r.status) << r.err;
        const auto modem = [&] { return e2e::JsonValue::parse(sim_->control_port().command("modem")); };
        EXPECT_TRUE(eventually([&] { return !modem()["data_mode"].boolean(); })) << "still in data mode";
    }
}

}  // namespace
