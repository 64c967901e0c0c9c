// Requests handed straight to the terminal bank, as the link hands them over.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sim/bank.h"
#include "sim/control.h"

namespace corvo::sim {

using link::Status;

class BankTest : public ::testing::Test {
protected:
    Status send(uint32_t t, uint8_t code, const Bytes& data, std::optional<uint16_t> index = std::nullopt) {
        const link::Request r{link::FrameType::Send, t, 1, ++seq_, code, index.has_value(), index.value_or(0), data, 0};
        return bank_.handle(r).status;
    }
    // The answer, taken by the host; nothing when the terminal refused.
    std::optional<Bytes> receive(uint32_t t, uint8_t code, uint32_t length) {
        const Bytes none;
        const link::Request r{link::FrameType::Receive, t, 1, ++seq_, code, false, 0, none, length};
        link::Reply reply = bank_.handle(r);
        if (reply.status != Status::Accepted) return std::nullopt;
        if (reply.hands_over) bank_.commit(t);
        return reply.data;
    }
    // Bytes [from, from + n) of an answer; nothing when there is no such answer.
    static Bytes part(const std::optional<Bytes>& answer, std::size_t from, std::size_t n) {
        if (!answer || answer->size() < from + n) return {};
        return Bytes(answer->begin() + static_cast<std::ptrdiff_t>(from), answer->begin() + static_cast<std::ptrdiff_t>(from + n));
    }
    void sim(const std::string& line) { ASSERT_EQ("ok", control_command(bank_, line).reply) << line; }
    static Bytes block(std::size_t n, uint8_t fill, const Bytes& head = {}) {
        Bytes b(n, fill);
        std::copy(head.begin(), head.end(), b.begin());
        return b;
    }

    TerminalBank bank_;
    uint16_t seq_ = 0;
};

}  // namespace corvo::sim
