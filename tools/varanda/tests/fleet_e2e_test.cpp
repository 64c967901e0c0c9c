// The tool with many terminals, and every punch exactly once through kills of
// the emulator and of the tool, Ctrl-C, two collections at once and a full disk.
#include <signal.h>

#include "tool_support.h"

namespace {

using tool_test::eventually;
using tool_test::lines_of;
using tool_test::slurp;
constexpr std::size_t npos = std::string::npos;

class Fleet : public tool_test::ToolTest {
protected:
    // Collections into `file` of the terminals of `expected_`, each stopped by
    // `interrupt` (after a few more punches reached the file), `rounds` times;
    // then one to the end. The file then holds each punch once, in order.
    void collect_through(int rounds, const std::function<void(int round, pid_t tool)>& interrupt,
                         const std::function<void(int round)>& resume = [](int) {}) {
        const std::string file = path("punches.csv");
        const std::vector<std::string> args = {"--terminal", "1-" + std::to_string(expected_.size()), "--timeout",
                                               "100", "--retries", "1", "collect", "--out", file};
        for (int i = 0; i < rounds; ++i) {
            const std::size_t before = lines_of(slurp(file)).size();
            const pid_t tool = start(sim_->link(), args);
            ASSERT_TRUE(eventually([&] { return lines_of(slurp(file)).size() >= before + 20; })) << i;
            interrupt(i, tool);
            e2e::wait_for(tool);
            resume(i);
        }
        const tool_test::Outcome r = run(sim_->link(), args);
        ASSERT_EQ(0, r.status) << r.err;
        EXPECT_EQ("", tool_test::exactly_once(expected_, file));
        EXPECT_EQ(npos, slurp(file).find(",,")) << "a line glued onto another";
    }
};

TEST_F(Fleet, TwoHundredTerminalsAtOnceEachPunchOnce) {
    ASSERT_NO_FATAL_FAILURE(start_sim({"--terminals", "1-200", "--punches", "200", "--port-per-terminal", "--map-file",
                                       path("map"), "--latency", "20", "--max-connections", "200"},
                                      200));
    const std::map<std::string, std::string> env = {{"CORVO_TCP_TERMINALS", path("map")}};
    tool_test::Outcome r = run(sim_->link(), {"--terminal", "1-200", "collect", "--out", path("all.csv")}, env);
    ASSERT_EQ(0, r.status) << r.err.substr(0, 2000);
    EXPECT_EQ("", tool_test::exactly_once(expected_, path("all.csv")));
    EXPECT_NE(npos, r.err.find("varanda: collect: 200 terminals: 200 ok (1-200)")) << r.err.substr(0, 2000);
    for (const std::vector<std::string>& command : {std::vector<std::string>{"ping"}, {"clock", "set", "now"}}) {
        std::vector<std::string> args = {"--terminal", "1-200"};
        args.insert(args.end(), command.begin(), command.end());
        r = run(sim_->link(), args, env);
        EXPECT_EQ(0, r.status) << command[0] << ": " << r.err.substr(0, 2000);
        EXPECT_EQ(200u, lines_of(r.out).size()) << command[0];
    }
}

// Ctrl-C first (the tool names the terminals it stopped); then the tool
// killed and the emulator killed and restarted from its state file, in turn,
// ten times each.
TEST_F(Fleet, CtrlCAndTheToolAndTheEmulatorKilledTenTimesEachDuringACollection) {
    std::vector<std::string> options = {"--terminals", "1-5", "--latency", "5", "--state", path("state")};
    std::vector<std::string> seeded = options;
    seeded.insert(seeded.end(), {"--punches", "150"});
    ASSERT_NO_FATAL_FAILURE(start_sim(seeded, 5));
    const std::string file = path("punches.csv");
    const pid_t tool = start(sim_->link(), {"--terminal", "1-5", "collect", "--out", file}, "first-");
    ASSERT_TRUE(eventually([&] { return lines_of(slurp(file)).size() >= 30; }));
    kill(tool, SIGINT);
    EXPECT_EQ(1, e2e::wait_for(tool));
    const std::string err = slurp(path("first-err"));
    EXPECT_NE(npos, err.find("varanda: collect: 5 terminals: 5 interrupted (1-5)")) << err;
    EXPECT_NE(npos, err.find("varanda: collect: interrupted: ")) << err;
    collect_through(
        20, [&](int round, pid_t tool) { round % 2 == 0 ? void(kill(tool, SIGKILL)) : sim_->stop(SIGKILL); },
        [&](int round) {
            if (round % 2 == 0) return;
            const int link = sim_->link(), control = sim_->control();
            sim_ = std::make_unique<e2e::SimProcess>(dir_);
            ASSERT_TRUE(sim_->start(options, link, control));
        });
}

TEST_F(Fleet, AFullFileIsLeftWholeAndTheNextRunGoesOn) {
    ASSERT_NO_FATAL_FAILURE(start_sim({"--terminals", "1-2", "--punches", "300"}, 2));
    // Every file of the run may grow to 8 KiB: the output and the records stop it in turn.
    const std::string file = path("punches.csv");
    const std::string limited = "ulimit -f 16; exec " + std::string(std::getenv("VARANDA_TOOL")) + " --port " +
                                std::to_string(sim_->link()) + " --terminal 1-2 collect --out " + file;
    EXPECT_EQ(1, e2e::wait_for(e2e::spawn({"/bin/sh", "-c", limited}, path("out"), path("err"))));
    EXPECT_NE(npos, slurp(path("err")).find("the punch stays on the terminal")) << slurp(path("err"));
    const std::string text = slurp(file);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ('\n', text.back());
    collect_through(0, {});
}

TEST_F(Fleet, ASecondCollectionOfATerminalIsRefusedAndNothingDoubled) {
    ASSERT_NO_FATAL_FAILURE(start_sim({"--punches", "400", "--latency", "5"}, 1));
    const std::string file = path("punches.csv");
    const pid_t first = start(sim_->link(), {"collect", "--out", file}, "first-");
    ASSERT_TRUE(eventually([&] { return lines_of(slurp(file)).size() >= 10; }));
    const tool_test::Outcome second = run(sim_->link(), {"collect", "--out", file});
    EXPECT_EQ(1, second.status);
    EXPECT_EQ(0u, second.err.find("varanda: collect: terminal 1: not collected: the terminal is held by pid " +
                                  std::to_string(first) + " (varanda collect) since "))
        << second.err;
    EXPECT_EQ(0, e2e::wait_for(first)) << slurp(path("first-err"));
    EXPECT_EQ("", tool_test::exactly_once(expected_, file));
}

}  // namespace
