// Speaks the link directly to corvo-sim, as a back-end would, and reads the
// terminal's state back through the control port. (What each command does
// to a terminal is checked at the terminal bank, in sim/test.)
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "socket_stream.h"
#include "support/sim_test.h"

namespace e2e {

using Bytes = std::vector<uint8_t>;

class LinkTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        ASSERT_TRUE(stream_.connect("127.0.0.1", static_cast<uint16_t>(port_), 2000));
    }

    corvo::tcp::SocketStream stream_;
};

}  // namespace e2e
