// Packed BCD: two decimal digits per byte, the earlier digit in the high
// nibble.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace varanda::wire {

// The value of one digit character; any character that is not 0-9 counts as 0.
uint8_t bcd_digit(char c);

// Writes `digits` right-aligned into `out` as packed BCD with leading zero
// nibbles: the last character becomes the low nibble of the last byte, and
// so on towards the front; an odd leading character fills only the low
// nibble of its byte. Returns false and writes nothing when the digits need
// more than out.size() bytes.
bool pack_bcd_right_aligned(std::span<uint8_t> out, std::string_view digits);

}  // namespace varanda::wire
