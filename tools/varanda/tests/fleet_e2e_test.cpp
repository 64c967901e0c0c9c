// The tool with many terminals, and every punch exactly once through kills of
// the emulator and of the tool, two collections at once and a full disk.
#include <signal.h>

#include "tool_support.h"

namespace {

using tool_test::eventually;
using tool_test::lines_of;
using tool_test::slurp;

class Fleet : public tool_test::ToolTest {
protected:
    // Collections into `file` of the terminals of `expected_`, each stopped by
    // `interrupt` (after a few more punches reached the file), `rounds` times;
    // then one to the end. The file then holds each punch once, in order.
    void collect_through(int rounds, const std::function<void(pid_t tool)>& interrupt,
                         const std::function<void()>& resume = [] {}) {
        const std::string file = path("punches.csv");
        const std::vector<std::string> args = {"--terminal", "1-" + std::to_string(expected_.size()), "--timeout",
                                               "100", "--retries", "1", "collect", "--out", file};
        for (int i = 0; i < rounds; ++i) {
            const std::size_t before = lines_of(slurp(file)).size();
            const pid_t tool = start(sim_->link(), args);
            ASSERT_TRUE(eventually([&] { return lines_of(slurp(file)).size() >= before + 20; })) << i;
            interrupt(tool);
            e2e::wait_for(tool);
            resume();
        }
        const tool_test::Outcome r = run(sim_->link(), args);
        ASSERT_EQ(0, r.status) << r.err;
        EXPECT_EQ("", tool_test::exactly_once(expected_, file));
        EXPECT_EQ(std::string::npos, slurp(file).find(",,")) << "a line glued onto another";
    }
    std::unique_ptr<e2e::SimProcess> sim_;
    tool_test::Punches expected_;
};

TEST_F(Fleet, TwoHundredTerminalsAtOnceEachPunchOnce) {
    constexpr int kTerminals = 200, kPunches = 200;
    sim_ = std::make_unique<e2e::SimProcess>(dir_);
    ASSERT_TRUE(sim_->start({"--terminals", "1-200", "--punches", std::to_string(kPunches), "--port-per-terminal",
                             "--map-file", path("map"), "--latency", "20", "--max-connections", "200"}));
    const auto expected = tool_test::stored_punches(*sim_, kTerminals);
    const std::map<std::string, std::string> env = {{"CORVO_TCP_TERMINALS", path("map")}};
    tool_test::Outcome r = run(sim_->link(), {"--terminal", "1-200", "collect", "--out", path("all.csv")}, env);
    ASSERT_EQ(0, r.status) << r.err.substr(0, 2000);
    EXPECT_EQ("", tool_test::exactly_once(expected, path("all.csv")));
    EXPECT_NE(std::string::npos, r.err.find("varanda: collect: 200 terminals: 200 ok (1-200)")) << r.err.substr(0, 2000);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"ping"}, std::vector<std::string>{"clock", "set", "now"}}) {
        std::vector<std::string> args = {"--terminal", "1-200"};
        args.insert(args.end(), command.begin(), command.end());
        r = run(sim_->link(), args, env);
        EXPECT_EQ(0, r.status) << command[0] << ": " << r.err.substr(0, 2000);
        EXPECT_EQ(std::size_t(kTerminals), lines_of(r.out).size()) << command[0];
    }
}

TEST_F(Fleet, TheEmulatorKilledTenTimesDuringACollection) {
    sim_ = std::make_unique<e2e::SimProcess>(dir_);
    const std::string state = path("state");
    ASSERT_TRUE(sim_->start({"--terminals", "1-5", "--punches", "150", "--latency", "5", "--state", state}));
    expected_ = tool_test::stored_punches(*sim_, 5);
    collect_through(
        10, [&](pid_t) { sim_->stop(SIGKILL); },
        [&] {
            const int link = sim_->link(), control = sim_->control();
            sim_ = std::make_unique<e2e::SimProcess>(dir_);
            ASSERT_TRUE(sim_->start({"--terminals", "1-5", "--latency", "5", "--state", state}, link, control));
        });
}

TEST_F(Fleet, TheToolKilledTenTimesDuringACollection) {
    sim_ = std::make_unique<e2e::SimProcess>(dir_);
    ASSERT_TRUE(sim_->start({"--terminals", "1-5", "--punches", "150", "--latency", "5"}));
    expected_ = tool_test::stored_punches(*sim_, 5);
    collect_through(10, [](pid_t tool) { kill(tool, SIGKILL); });
}

TEST_F(Fleet, CtrlCStopsEveryTerminalAndNamesThem) {
    sim_ = std::make_unique<e2e::SimProcess>(dir_);
    ASSERT_TRUE(sim_->start({"--terminals", "1-3", "--punches", "200", "--latency", "5"}));
    expected_ = tool_test::stored_punches(*sim_, 3);
    const std::string file = path("punches.csv");
    const pid_t tool = start(sim_->link(), {"--terminal", "1-3", "collect", "--out", file}, "first-");
    ASSERT_TRUE(eventually([&] { return lines_of(slurp(file)).size() >= 30; }));
    kill(tool, SIGINT);
    EXPECT_EQ(1, e2e::wait_for(tool));
    const std::string err = slurp(path("first-err"));
    EXPECT_NE(std::string::npos, err.find("varanda: collect: 3 terminals: 3 interrupted (1-3)")) << err;
    EXPECT_NE(std::string::npos, err.find("varanda: collect: interrupted: ")) << err;
    collect_through(2, [](pid_t t) { kill(t, SIGINT); });
}

TEST_F(Fleet, AFullFileIsLeftWholeAndTheNextRunGoesOn) {
    sim_ = std::make_unique<e2e::SimProcess>(dir_);
    ASSERT_TRUE(sim_->start({"--terminals", "1-2", "--punches", "300"}));
    expected_ = tool_test::stored_punches(*sim_, 2);
    // Every file of the run may grow to 8 KiB: the output and the records stop it in turn.
    const std::string file = path("punches.csv");
    const std::string limited = "ulimit -f 16; exec " + std::string(std::getenv("VARANDA_TOOL")) + " --port " +
                                std::to_string(sim_->link()) + " --terminal 1-2 collect --out " + file;
    const int status = e2e::wait_for(e2e::spawn({"/bin/sh", "-c", limited}, path("out"), path("err")));
    EXPECT_EQ(1, status);
    EXPECT_NE(std::string::npos, slurp(path("err")).find("the punch stays on the terminal")) << slurp(path("err"));
    const std::string text = slurp(file);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ('\n', text.back());
    collect_through(0, {});
}

TEST_F(Fleet, ASecondCollectionOfATerminalIsRefusedAndNothingDoubled) {
    sim_ = std::make_unique<e2e::SimProcess>(dir_);
    ASSERT_TRUE(sim_->start({"--punches", "400", "--latency", "5"}));
    expected_ = tool_test::stored_punches(*sim_, 1);
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
