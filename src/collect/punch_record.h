// A punch as the terminal sends it (answer 204) and as the host receives it.
//
// Card pattern 0 (10 bytes): type, day, month, year, hour, minute, the card
// as a 16-bit number (low byte first), the 2-byte punch identifier.
// Card pattern 1 (16 bytes): the same six bytes, the card as 8 bytes (most
// significant first), the 2-byte punch identifier.
#pragma once
#include <array>
#include <cstdint>

#include "collect/last_punch.h"
#include "wire/terminal_commands.h"

namespace varanda {

struct PunchRecord {
    static constexpr int32_t kCommand = wire::command::kNextPunch;
    static constexpr int kNumberSize = 10;  // card pattern 0
    static constexpr int kDigitsSize = 16;  // card pattern 1
    static constexpr int kHeaderSize = 6;   // type, day, month, year, hour, minute
    static constexpr int kCardOffset = 6;
    static constexpr int kCardTextSize = 16;

    static int32_t size_for(uint8_t card_pattern) { return card_pattern == 0 ? kNumberSize : kDigitsSize; }

    std::array<uint8_t, kDigitsSize> bytes{};
    uint8_t card_pattern = 1;

    LastPunch::Id id() const;
    bool header_is_zero() const;  // the six bytes before the card
    // The card as the host receives it: pattern 0 the number in decimal
    // followed by zero bytes; pattern 1 sixteen lower-case hexadecimal digits.
    std::array<char, kCardTextSize> card_text() const;
};

}  // namespace varanda
