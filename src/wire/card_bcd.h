// A card text as right-aligned packed BCD: the characters are paired from
// the last one backwards, the later one of each pair in the low nibble;
// leading bytes are zero, and an odd count leaves the high nibble of the
// first used byte zero. A character that is not a decimal digit counts as 0.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varanda::wire {

// Bytes needed for `digits` characters.
constexpr size_t card_bcd_bytes(size_t digits) { return (digits + 1) / 2; }

// Writes exactly `width` bytes at `out`. Returns false, writing nothing, when
// the text needs more than `width` bytes.
bool pack_card_bcd(std::string_view text, uint8_t* out, size_t width) noexcept;

}  // namespace varanda::wire
