// The tool end to end: build/bin/varanda (VARANDA_TOOL) against corvo-sim
// instances of the test's own (CORVO_SIM_BIN), as an installer would run it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "support/sim_control.h"

namespace {

std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
void spit(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

pid_t spawn(const std::vector<std::string>& args, const std::string& out, const std::string& err,
            const std::map<std::string, std::string>& env = {}) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (!out.empty()) freopen(out.c_str(), "wb", stdout);
        if (!err.empty()) freopen(err.c_str(), "wb", stderr);
        for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}
int wait_for(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A corvo-sim of the test's own.
class Sim {
public:
    explicit Sim(std::string dir) : dir_(std::move(dir)) {}
    ~Sim() { stop(SIGTERM); }
    bool start(std::vector<std::string> options, int link = 0, int control = 0) {
        const std::string ports = dir_ + "/ports";
        std::remove(ports.c_str());
        std::vector<std::string> args = {std::getenv("CORVO_SIM_BIN"), "--port-file", ports, "--lifetime", "600",
                                         "--port", std::to_string(link), "--control-port", std::to_string(control)};
        args.insert(args.end(), options.begin(), options.end());
        pid_ = spawn(args, "", dir_ + "/sim.err");
        return e2e::wait_port_file(ports, 1000, link_, control_) && control_sim_.connect(control_);
    }
    void stop(int signal) {
        if (pid_ <= 0) return;
        kill(pid_, signal);
        wait_for(pid_);
        pid_ = -1;
    }
    int link() const { return link_; }
    int control() const { return control_; }
    e2e::SimControl& control_port() { return control_sim_; }
    e2e::JsonValue dump(int t) { return control_sim_.dump(t); }

private:
    std::string dir_;
    pid_t pid_ = -1;
    int link_ = 0, control_ = 0;
    e2e::SimControl control_sim_;
};

struct Outcome {
    int status;
    std::string out, err;
};

class Tool : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("VARANDA_TOOL") == nullptr || std::getenv("CORVO_SIM_BIN") == nullptr)
            GTEST_SKIP() << "VARANDA_TOOL and CORVO_SIM_BIN not set";
        char d[] = "/tmp/varanda-tool-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(d));
        dir_ = d;
    }
    void TearDown() override {
        if (!dir_.empty()) std::system(("rm -rf " + dir_).c_str());
    }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    std::vector<std::string> command(int port, const std::vector<std::string>& args) const {
        std::vector<std::string> a = {std::getenv("VARANDA_TOOL"), "--port", std::to_string(port)};
        a.insert(a.end(), args.begin(), args.end());
        return a;
    }
    Outcome run(int port, const std::vector<std::string>& args, const std::map<std::string, std::string>& env = {}) {
        const int status = wait_for(spawn(command(port, args), path("out"), path("err"), env));
        return {status, slurp(path("out")), slurp(path("err"))};
    }
    // The punches terminal 1 holds, as the tool writes them.
    static std::vector<std::string> stored_punches(Sim& sim) {
        std::vector<std::string> out;
        const auto list = e2e::JsonValue::parse(sim.control_port().command("dump 1 punches"))["punches"];
        for (std::size_t i = 0; i < list.size(); ++i) {
            const auto& p = list[i];
            char b[96];
            std::snprintf(b, sizeof b, "1,%d,20%02d-%02d-%02d,%02d:%02d,%016llu", int(p["type"].num()),
                          int(p["year"].num()), int(p["month"].num()), int(p["day"].num()), int(p["hour"].num()),
                          int(p["minute"].num()), static_cast<unsigned long long>(p["card"].num()));
            out.push_back(b);
        }
        return out;
    }
    // The punch lines of a collection file, its header checked.
    static std::vector<std::string> punch_lines(const std::string& file) {
        auto l = lines_of(slurp(file));
        if (l.empty() || l[0] != "terminal,type,date,time,card") return {"no header"};
        l.erase(l.begin());
        return l;
    }
    std::string dir_;
};

TEST_F(Tool, CollectsEveryPunchAsTheTerminalStoredIt) {
    for (const bool bad_line : {false, true}) {
        SCOPED_TRACE(bad_line ? "bad line" : "clean line");
        const int punches = bad_line ? 3000 : 20000;
        Sim sim(dir_);
        std::vector<std::string> options = {"--punches", std::to_string(punches)};
        if (bad_line) options.insert(options.end(), {"--faults", "5 2 0 0", "--fault-seed", "11"});
        ASSERT_TRUE(sim.start(options));
        const auto expected = stored_punches(sim);
        ASSERT_EQ(std::size_t(punches), expected.size());
        const std::string out = path(bad_line ? "bad.csv" : "all.csv");
        std::map<std::string, std::string> env;
        if (bad_line) env = {{"CORVO_LINK_TIMEOUT_MS", "12"}, {"CORVO_LINK_RETRIES", "12"}};
        const Outcome r = run(sim.link(), {"collect", "--out", out}, env);
        EXPECT_EQ(0, r.status) << r.err;
        EXPECT_EQ(expected, punch_lines(out));
        const auto p = sim.dump(1)["punches"];
        EXPECT_EQ(0, p["stored"].num());
        EXPECT_EQ(punches, p["delivered"].num());
    }
}

TEST_F(Tool, AKilledTerminalLeavesEveryCollectedPunchAndASecondRunTheRest) {
    constexpr int kPunches = 5000;  // the state file is rewritten whole after every exchange
    const std::string state = path("state");
    std::vector<std::string> expected;
    int link = 0, control = 0;
    {
        Sim sim(dir_);
        ASSERT_TRUE(sim.start({"--punches", std::to_string(kPunches), "--state", state}));
        expected = stored_punches(sim);
        link = sim.link();
        control = sim.control();
        const pid_t tool = spawn(command(link, {"collect", "--out", path("first.csv")}), path("out"), path("err"),
                                 {{"CORVO_LINK_TIMEOUT_MS", "200"}});
        while (lines_of(slurp(path("first.csv"))).size() < 1600) usleep(2000);
        sim.stop(SIGKILL);
        EXPECT_EQ(1, wait_for(tool));
        EXPECT_NE(std::string::npos, slurp(path("err")).find("varanda: collect: terminal 1: stopped after "));
    }
    // A punch whose acknowledgement the terminal may not have saved is not
    // written but named; the terminal offers it again unless it was killed
    // between saving the acknowledgement and answering.
    const std::string err = slurp(path("err"));
    const std::string note = "varanda: collect: terminal 1: unconfirmed punch ";
    const std::size_t named = err.find(note);
    const std::string unconfirmed = named == std::string::npos ? "" : err.substr(named + note.size(), expected[0].size());
    const auto first = punch_lines(path("first.csv"));
    ASSERT_GE(first.size(), 1500u);
    ASSERT_LT(first.size(), std::size_t(kPunches));
    Sim again(dir_);
    ASSERT_TRUE(again.start({"--state", state}, link, control));  // from the state file
    const Outcome r = run(link, {"collect", "--out", path("second.csv")});
    EXPECT_EQ(0, r.status) << r.err;
    auto both = first;
    const auto second = punch_lines(path("second.csv"));
    if (!second.empty() && !unconfirmed.empty() && second[0] != unconfirmed) both.push_back(unconfirmed);
    both.insert(both.end(), second.begin(), second.end());
    // Each punch once, in order.
    ASSERT_EQ(expected.size(), both.size()) << first.size() << " + " << second.size() << "\n" << err;
    for (std::size_t i = 0; i < both.size(); ++i) ASSERT_EQ(expected[i], both[i]) << i << " of " << first.size() << " + " << second.size();
}

TEST_F(Tool, AccessListArrivesWholeOrNotAtAll) {
    Sim sim(dir_);
    ASSERT_TRUE(sim.start({}));
    std::string csv = "card,schedule\n";
    for (int i = 0; i < 10000; ++i) csv += std::to_string(50000000 + i * 7) + "," + std::to_string(1 + i % 100) + "\n";
    spit(path("cards.csv"), csv);
    Outcome r = run(sim.link(), {"access-list", "push", path("cards.csv")});
    ASSERT_EQ(0, r.status) << r.err;
    auto list = sim.dump(1)["access_list"];
    ASSERT_EQ(10000, list["count"].num());
    for (int i = 0; i < 10000; ++i) {
        ASSERT_EQ(std::to_string(50000000 + i * 7), list["cards"][std::size_t(i)]["card"].str()) << i;
        ASSERT_EQ(1 + i % 100, list["cards"][std::size_t(i)]["schedule"].num()) << i;
    }
    // One bad line: named, and nothing sent. The terminal's clock runs on
    // between the two dumps, so it is left out of the comparison.
    auto state = [&sim] {
        std::string d = sim.control_port().command("dump 1");
        const std::size_t at = d.find("\"clock\":{");
        if (at != std::string::npos) d.erase(at, d.find('}', at) + 1 - at);
        return d;
    };
    const std::string commands = state();
    spit(path("bad.csv"), "1001,1\n1002,1\n# a comment\n10x3,1\n1004,1\n");
    r = run(sim.link(), {"access-list", "push", path("bad.csv")});
    EXPECT_EQ(2, r.status);
    EXPECT_EQ("varanda: " + path("bad.csv") + ":4: card '10x3' is not a number (digits only) (varanda --help)\n", r.err);
    EXPECT_EQ(commands, state());
}

TEST_F(Tool, ClockSetNowThenGet) {
    Sim sim(dir_);
    ASSERT_TRUE(sim.start({}));
    ASSERT_EQ(0, run(sim.link(), {"clock", "set", "2030-01-02T03:04:05"}).status);
    EXPECT_EQ("2030-01-02", sim.dump(1)["clock"]["date"].str());
    Outcome r = run(sim.link(), {"clock", "set", "now"});
    ASSERT_EQ(0, r.status) << r.err;
    r = run(sim.link(), {"clock", "get"});
    ASSERT_EQ(0, r.status) << r.err;
    std::tm tm{};
    ASSERT_NE(nullptr, strptime(r.out.c_str(), "terminal 1: %Y-%m-%dT%H:%M:%S", &tm)) << r.out;
    tm.tm_isdst = -1;
    EXPECT_LE(std::abs(std::difftime(std::mktime(&tm), std::time(nullptr))), 5.0) << r.out;
}

TEST_F(Tool, WatchAnswersAllowedCardsWithTheRelayAndDeniesTheOthers) {
    Sim sim(dir_);
    ASSERT_TRUE(sim.start({}));
    spit(path("allow.csv"), "card\n12345678\n");
    const pid_t tool = spawn(command(sim.link(), {"watch", "--grant", "relay1", "--allow", path("allow.csv")}),
                             path("out"), path("err"));
    while (!sim.dump(1)["online"].boolean()) usleep(5000);
    ASSERT_EQ("ok", sim.control_port().command("card 1 12345678"));
    ASSERT_EQ("ok", sim.control_port().command("card 1 999"));
    while (lines_of(slurp(path("out"))).size() < 2) usleep(5000);
    kill(tool, SIGINT);
    EXPECT_EQ(0, wait_for(tool)) << slurp(path("err"));
    const auto out = lines_of(slurp(path("out")));
    ASSERT_EQ(2u, out.size());
    EXPECT_EQ(0u, out[0].find("terminal 1: card 12345678 ")) << out[0];
    EXPECT_NE(std::string::npos, out[0].find(": relay1")) << out[0];
    EXPECT_NE(std::string::npos, out[1].find(": denied")) << out[1];
    const auto d = sim.dump(1);
    EXPECT_EQ(1, d["relays"][std::size_t(0)]["pulses"].num());
    EXPECT_EQ("Access denied   ", d["display_temporary"]["line1"].str());
}

TEST_F(Tool, SeveralTerminalsInOneCommand) {
    Sim sim(dir_);
    ASSERT_TRUE(sim.start({"--terminals", "1-3", "--punches", "5"}));
    ASSERT_EQ("ok", sim.control_port().command("refuse 2 10"));
    Outcome r = run(sim.link(), {"--terminal", "1-3", "ping"});
    EXPECT_EQ(1, r.status);
    const auto out = lines_of(r.out);
    ASSERT_EQ(2u, out.size());
    EXPECT_EQ(0u, out[0].find("terminal 1: ok"));
    EXPECT_EQ(0u, out[1].find("terminal 3: ok"));
    EXPECT_EQ(0u, r.err.find("varanda: ping: terminal 2: ")) << r.err;
    r = run(sim.link(), {"--terminal", "1,3", "--json", "collect"});
    EXPECT_EQ(0, r.status) << r.err;
    const auto punches = lines_of(r.out);
    ASSERT_EQ(10u, punches.size());
    EXPECT_EQ(0u, punches[9].find("{\"terminal\":3,")) << punches[9];
    r = run(sim.link(), {"--terminal", "1,3", "config", "set", "card-digits=10", "keypad=on"});
    EXPECT_EQ(0, r.status) << r.err;
    EXPECT_EQ(10, sim.dump(3)["config"]["card_digits"].num());
}

TEST_F(Tool, BadInputGivesOneLineAndItsStatus) {
    spit(path("empty.csv"), "# nothing here\n");
    Sim sim(dir_);
    ASSERT_TRUE(sim.start({}));
    // A port where nothing listens: the emulator's control port refuses link frames; a closed one is found by binding.
    const int closed = 1;
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;  // the start of the one line
    } cases[] = {
        {{"fly"}, 2, "varanda: unknown command 'fly'"},
        {{"ping", "--fast"}, 2, "varanda: unknown option '--fast'"},
        {{"access-list", "push", path("missing.csv")}, 2, "varanda: " + path("missing.csv") + ": cannot open"},
        {{"access-list", "push", path("empty.csv")}, 2, "varanda: " + path("empty.csv") + ": no cards"},
        {{"access-list", "push", dir_}, 2, "varanda: " + dir_ + ": cannot"},
        {{"--terminal", "5-1", "ping"}, 2, "varanda: terminal list '5-1': the range '5-1' runs backwards"},
        {{"--terminal", "x", "ping"}, 2, "varanda: terminal list 'x': 'x' is not a terminal number"},
        {{"relay", "3"}, 2, "varanda: relay 1|2"},
        {{"config", "set", "mode=sideways"}, 2, "varanda: config set: mode=sideways: allowed values offline|online"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Outcome r = run(sim.link(), c.args);
        EXPECT_EQ(c.status, r.status);
        EXPECT_EQ(0u, r.err.find(c.err)) << r.err;
        EXPECT_EQ(1u, lines_of(r.err).size()) << r.err;
    }
    const Outcome r = run(closed, {"ping"});
    EXPECT_EQ(1, r.status);
    EXPECT_EQ(1u, lines_of(r.err).size()) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("(code ")) << r.err;
}

}  // namespace
