// Small builders of the fingerprint module's wire messages for the tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace biotest {

using Bytes = std::vector<uint8_t>;

// A 17-byte request: the sub-command, then `rest`, then zeros.
inline Bytes request(uint8_t sub, const Bytes& rest = {}) {
    Bytes b(17, 0);
    b[0] = sub;
    for (size_t i = 0; i < rest.size() && i + 1 < b.size(); ++i) b[i + 1] = rest[i];
    return b;
}

// A request whose bytes from `at` hold the text's characters.
inline Bytes request_text(uint8_t sub, size_t at, const std::string& text, const Bytes& before = {}) {
    Bytes b = request(sub, before);
    for (size_t i = 0; i < text.size(); ++i) b[at + i] = static_cast<uint8_t>(text[i]);
    return b;
}

// An offline answer (command 220): status, then data.
inline Bytes answer(uint8_t status, const Bytes& data = {}) {
    Bytes b(17, 0);
    b[0] = status;
    for (size_t i = 0; i < data.size() && i + 1 < b.size(); ++i) b[i + 1] = data[i];
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

// A card event: origin 2, ten card digits, the rest of the positions empty.
inline Bytes card_event(const Bytes& digits) {
    Bytes positions(14, 0xFF);
    for (size_t i = 0; i < digits.size() && i < positions.size(); ++i) positions[i] = digits[i];
    Bytes b = event(2, 0, positions);
    b[16] = 7;  // day
    b[17] = 3;  // month
    return b;
}

}  // namespace biotest
