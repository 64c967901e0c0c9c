// The SDK against corvo-sim serving each of terminals 1..8 on a port of its
// own (corvo-sim --terminals 1-8 --port-per-terminal, whose terminal map
// reaches the back-end in CORVO_TCP_TERMINALS), for the suites of host
// threads working with several terminals at once.
#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "api_table.h"
#include "loader.h"
#include "sim_control.h"

namespace e2e {

class ParallelTest : public ::testing::Test {
protected:
    static constexpr int kTerminals = 8;

    void SetUp() override {
        port_ = env_port("CORVO_SIM_PORT");
        ASSERT_GT(port_, 0) << "run under corvo-sim --terminals 1-8 --port-per-terminal";
        map_ = testsupport::env_or("CORVO_TCP_TERMINALS", "");
        ASSERT_FALSE(map_.empty()) << "run under corvo-sim --port-per-terminal";
        ASSERT_TRUE(sim_.connect(env_port("CORVO_SIM_CONTROL")));
        ASSERT_EQ("ok", sim_.command("reset"));
        // Loaded once for the whole program and never unloaded (ThreadSanitizer
        // does not follow instrumented libraries that are unloaded and loaded
        // again); every test closes the port it opened.
        static testsupport::Library* lib = new testsupport::Library(testsupport::env_or("VARANDA_SDK", "libvaranda.so"));
        ASSERT_TRUE(lib->is_open());
        ASSERT_TRUE(api_.resolve([](const char* n) { return lib->symbol(n); }));
    }
    void TearDown() override {
        if (api_.FecharPortaComunicacao) api_.FecharPortaComunicacao();
    }
    void sim(const std::string& line) { ASSERT_EQ("ok", sim_.command(line)) << line; }
    JsonValue dump(int terminal) { return sim_.dump(terminal); }

    int port_ = 0;
    std::string map_;
    SimControl sim_;
    VarandaApi api_;
};

// Runs `body(i)` on `count` threads and joins them, or ends the program when
// they have not all returned within `bound` (a deadlock must not hang the
// test command).
template <class Body>
void run_threads(int count, std::chrono::seconds bound, Body body) {
    std::mutex m;
    std::condition_variable cv;
    int running = count;
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i)
        threads.emplace_back([&, i] {
            body(i);
            std::lock_guard<std::mutex> g(m);
            if (--running == 0) cv.notify_all();
        });
    std::unique_lock<std::mutex> g(m);
    if (!cv.wait_for(g, bound, [&] { return running == 0; })) {
        std::fprintf(stderr, "%d of %d threads still running after %lld s: a deadlock\n", running, count,
                     static_cast<long long>(bound.count()));
        std::fflush(stderr);
        std::_Exit(3);
    }
    g.unlock();
    for (auto& t : threads) t.join();
}

}  // namespace e2e
