// One packed BCD byte: the high nibble holds the tens, the low nibble the units.
#pragma once
#include <cstdint>

namespace varanda::wire {

// 0x45 -> 45. Nibbles above 9 are taken at face value (0xAB -> 10 * 10 + 11).
constexpr uint8_t bcd_to_binary(uint8_t bcd) {
    return static_cast<uint8_t>((bcd >> 4) * 10 + (bcd & 0x0F));
}

}  // namespace varanda::wire
