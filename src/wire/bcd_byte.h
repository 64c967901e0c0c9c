// One packed BCD byte: the high nibble holds the tens, the low nibble the units.
#pragma once
#include <cstdint>

namespace varanda::wire {

// 0..99 as one packed BCD byte (45 -> 0x45); values outside are reduced
// modulo 100, negative ones into 0..99.
constexpr uint8_t packed_bcd(int value) {
    int v = value % 100;
    if (v < 0) v += 100;
    return static_cast<uint8_t>((v / 10) << 4 | (v % 10));
}

// 0x45 -> 45. Nibbles above 9 are taken at face value (0xAB -> 10 * 10 + 11).
constexpr uint8_t bcd_to_binary(uint8_t bcd) {
    return static_cast<uint8_t>((bcd >> 4) * 10 + (bcd & 0x0F));
}

}  // namespace varanda::wire
