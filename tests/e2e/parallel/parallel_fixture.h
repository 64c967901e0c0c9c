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

#include "sdk.h"
#include "sim_test.h"

namespace e2e {

class ParallelTest : public SimTest {
protected:
    static constexpr int kTerminals = 8;

    void SetUp() override {
        SimTest::SetUp();
        map_ = hostkit::env_or("CORVO_TCP_TERMINALS", "");
        ASSERT_FALSE(map_.empty()) << "run under corvo-sim --terminals 1-8 --port-per-terminal";
        // Loaded once for the whole program and never unloaded (ThreadSanitizer
        // does not follow instrumented libraries that are unloaded and loaded
        // again); every test closes the port it opened.
        static hostkit::Sdk* sdk = new hostkit::Sdk;
        if (!sdk->loaded()) {
            ASSERT_TRUE(sdk->load()) << hostkit::sdk_path();
        }
        api_ = sdk->api;
    }
    void TearDown() override {
        if (api_.FecharPortaComunicacao) api_.FecharPortaComunicacao();
    }

    std::string map_;
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
