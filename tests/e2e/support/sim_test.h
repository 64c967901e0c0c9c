// The fixture of the end-to-end suites: corvo-sim runs around the test
// program (CORVO_SIM_PORT, CORVO_SIM_CONTROL) and every test starts from
// freshly made terminals.
#pragma once
#include <gtest/gtest.h>

#include "sim_control.h"

namespace e2e {

class SimTest : public ::testing::Test {
protected:
    void SetUp() override {
        port_ = env_port("CORVO_SIM_PORT");
        ASSERT_GT(port_, 0) << "run under corvo-sim: corvo-sim -- <this program>";
        ASSERT_TRUE(sim_.connect(env_port("CORVO_SIM_CONTROL")));
        ASSERT_EQ("ok", sim_.command("reset"));
    }
    // Sends a control command that must succeed.
    void sim(const std::string& line) { ASSERT_EQ("ok", sim_.command(line)) << line; }
    JsonValue dump(int terminal) { return sim_.dump(terminal); }

    int port_ = 0;
    SimControl sim_;
};

}  // namespace e2e
