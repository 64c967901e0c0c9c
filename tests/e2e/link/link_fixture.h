// Speaks the link directly to corvo-sim, as a back-end would, and reads the
// terminal's state back through the control port.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "link/client.h"
#include "socket_stream.h"
#include "support/sim_test.h"

namespace e2e {

using Bytes = std::vector<uint8_t>;
using Outcome = corvo::link::Client::Outcome;

class LinkTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        ASSERT_TRUE(stream_.connect("127.0.0.1", static_cast<uint16_t>(port_), 2000));
    }
    Outcome send(uint32_t t, uint8_t code, const Bytes& data, std::optional<uint16_t> index = std::nullopt) {
        return client_.send(t, code, data.data(), static_cast<uint32_t>(data.size()), index);
    }
    // The answer, or nothing when the terminal refused.
    std::optional<Bytes> receive(uint32_t t, uint8_t code, uint32_t length, bool acknowledge = true) {
        Bytes b(length);
        if (client_.receive(t, code, b.data(), length, acknowledge) != Outcome::Accepted) return std::nullopt;
        return b;
    }

    corvo::tcp::SocketStream stream_;
    corvo::link::Sequencer seq_{corvo::link::new_session_id()};
    corvo::link::Client client_{stream_, seq_, corvo::link::Settings{1000, 1}};
};

// `n` bytes of `fill`, then `head` over the first bytes.
inline Bytes block(std::size_t n, uint8_t fill, const Bytes& head = {}) {
    Bytes b(n, fill);
    std::copy(head.begin(), head.end(), b.begin());
    return b;
}

inline Bytes text_bytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace e2e
