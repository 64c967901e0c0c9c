// What the tool's end-to-end tests share: a folder of their own, the tool run
// as an installer runs it, the punches terminals hold as the tool writes
// them, and bounded waits.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/sim_process.h"

namespace tool_test {

using Punches = std::map<int, std::vector<std::string>>;  // by terminal, in order

inline std::string slurp(const std::string& path) {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}
inline void spit(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> v;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}
// Polls `done` every 10 ms, at most `tries` times; true once it holds.
inline bool eventually(const std::function<bool()>& done, int tries = 3000) {
    for (int i = 0; i < tries; ++i) {
        if (done()) return true;
        usleep(10000);
    }
    return done();
}

// The punches terminals 1..`terminals` hold, as the tool writes them.
inline Punches stored_punches(e2e::SimProcess& sim, int terminals) {
    Punches out;
    for (int t = 1; t <= terminals; ++t) {
        const auto list =
            e2e::JsonValue::parse(sim.control_port().command("dump " + std::to_string(t) + " punches"))["punches"];
        for (std::size_t i = 0; i < list.size(); ++i) {
            const auto& p = list[i];
            char b[96];
            std::snprintf(b, sizeof b, "%d,%d,20%02d-%02d-%02d,%02d:%02d,%016llu", t, int(p["type"].num()),
                          int(p["year"].num()), int(p["month"].num()), int(p["day"].num()), int(p["hour"].num()),
                          int(p["minute"].num()), static_cast<unsigned long long>(p["card"].num()));
            out[t].push_back(b);
        }
    }
    return out;
}

// "" when the collection file has its header and every punch of `expected`
// once and in order; else the first terminal lost or doubled (short).
inline std::string exactly_once(const Punches& expected, const std::string& file) {
    auto lines = lines_of(slurp(file));
    if (lines.empty() || lines[0] != "terminal,type,date,time,card") return "no header";
    Punches got;
    for (auto l = lines.begin() + 1; l != lines.end(); ++l) got[std::atoi(l->c_str())].push_back(*l);
    for (auto& [t, want] : expected) {
        const std::vector<std::string>& have = got[t];
        if (have != want)
            return "terminal " + std::to_string(t) + ": " + std::to_string(have.size()) + " lines for " +
                   std::to_string(want.size()) + " punches";
    }
    return got.size() == expected.size() ? "" : "lines of an unexpected terminal";
}

struct Outcome {
    int status;
    std::string out, err;
};

class ToolTest : public testing::Test {
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
    static std::vector<std::string> command(int port, const std::vector<std::string>& args) {
        std::vector<std::string> a = {std::getenv("VARANDA_TOOL"), "--port", std::to_string(port)};
        a.insert(a.end(), args.begin(), args.end());
        return a;
    }
    pid_t start(int port, const std::vector<std::string>& args, const std::string& name = "",
                const std::map<std::string, std::string>& env = {}) {
        return e2e::spawn(command(port, args), path(name + "out"), path(name + "err"), env);
    }
    Outcome run(int port, const std::vector<std::string>& args, const std::map<std::string, std::string>& env = {}) {
        const int status = e2e::wait_for(start(port, args, "", env));
        return {status, slurp(path("out")), slurp(path("err"))};
    }
    // A corvo-sim of the test's own, and the punches its terminals 1-N hold.
    void start_sim(const std::vector<std::string>& options, int terminals = 1) {
        sim_ = std::make_unique<e2e::SimProcess>(dir_);
        ASSERT_TRUE(sim_->start(options));
        expected_ = stored_punches(*sim_, terminals);
    }
    std::string dir_;
    std::unique_ptr<e2e::SimProcess> sim_;
    Punches expected_;
};

}  // namespace tool_test
