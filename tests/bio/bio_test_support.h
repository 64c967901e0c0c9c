// Small builders of the modules' wire messages, what a fake back end sent and
// was asked to read, and the usual fixture, for the tests.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "fake_backend.h"
#include "sdk_test.h"

namespace biotest {

using Bytes = std::vector<uint8_t>;

// A 17-byte request (the sub-command, then `rest`) or offline answer
// (command 220: the status, then data), zeros after.
inline Bytes request(uint8_t first, const Bytes& rest = {}) {
    Bytes b(17, 0);
    b[0] = first;
    for (size_t i = 0; i < rest.size() && i + 1 < b.size(); ++i) b[i + 1] = rest[i];
    return b;
}
inline Bytes answer(uint8_t status, const Bytes& data = {}) { return request(status, data); }

// A request whose bytes from `at` hold the text's characters.
inline Bytes request_text(uint8_t sub, size_t at, const std::string& text, const Bytes& before = {}) {
    Bytes b = request(sub, before);
    for (size_t i = 0; i < text.size(); ++i) b[at + i] = static_cast<uint8_t>(text[i]);
    return b;
}

// The answer to a list request: page answered, last page, package size.
inline Bytes page_answer(uint8_t page, uint8_t last, uint16_t size) {
    return answer(1, {page, last, static_cast<uint8_t>(size >> 8), static_cast<uint8_t>(size & 0xFF)});
}

// A 22-byte online event: origin, complement, then bytes from offset 2.
inline Bytes event(uint8_t origin, uint8_t complement, const Bytes& from2 = {}) {
    Bytes b(22, 0);
    b[0] = origin;
    b[1] = complement;
    for (size_t i = 0; i < from2.size() && i + 2 < b.size(); ++i) b[i + 2] = from2[i];
    return b;
}

// A card event: origin 2, the card digits, the rest of the positions empty,
// day 7, month 3.
inline Bytes card_event(const Bytes& digits) {
    Bytes positions(14, 0xFF);
    for (size_t i = 0; i < digits.size() && i < positions.size(); ++i) positions[i] = digits[i];
    positions.insert(positions.end(), {7, 3});
    return event(2, 0, positions);
}

// Every send as {terminal, command, payload}; every receive as {terminal,
// command, length}.
using Sends = std::vector<std::tuple<int32_t, int32_t, Bytes>>;
using Reads = std::vector<std::array<int32_t, 3>>;
inline Sends sends(const testsupport::FakeBackend& b) {
    Sends out;
    for (const auto& c : b.calls("Envia_Dados")) out.emplace_back(c.ints[0], c.ints[1], c.data);
    return out;
}
inline Reads reads(const testsupport::FakeBackend& b) {
    Reads out;
    for (const auto& c : b.calls("Recebe_Dados")) out.push_back({c.ints[0], c.ints[1], c.ints[2]});
    return out;
}

// The fixture of these tests: the SDK loaded afresh, the TCP library chosen
// and its port open, the fakes reset.
class TcpTest : public testsupport::SdkTest {
protected:
    void SetUp() override {
        SdkTest::SetUp();
        if (!HasFatalFailure()) open_tcp_lib();
    }
    void fresh_facade() {  // nothing held from the case before
        sdk_.unload();
        ASSERT_TRUE(sdk_.load());
        open_tcp_lib();
    }
};

}  // namespace biotest
