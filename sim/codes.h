// Small encodings the terminal reads and writes: packed BCD and the
// identifier forms of the fingerprint and Ossel modules.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "src/wire/bcd_byte.h"
#include "src/wire/byte_order.h"

namespace corvo::sim {

using Bytes = std::vector<uint8_t>;

// The BCD and byte-order helpers the SDK writes with (header only, no SDK state).
using varanda::wire::get_u16_be;
using varanda::wire::get_u16_le;
using varanda::wire::get_u32_be;
using varanda::wire::packed_bcd;
using varanda::wire::put_u16_be;
using varanda::wire::put_u16_le;

// The digits of packed BCD bytes, most significant first; a nibble above 9
// gives its hexadecimal letter.
std::string bcd_digits(const uint8_t* p, std::size_t size);
// The decimal number right-aligned in `size` packed BCD bytes (low digits kept).
void put_bcd(uint8_t* p, std::size_t size, uint64_t value);

// A text without its leading '0' characters ("0" when nothing is left).
std::string strip_zeros(const std::string& s);
// The digits of a decimal text as a number (non-digits ignored, low 19 digits).
uint64_t decimal_value(const std::string& s);

// The fingerprint record's pair code (8 bytes for a text of at most 16
// characters, right-aligned, NUL in front) and its reading back as 16 hex digits.
void put_pair_code(uint8_t* p, const std::string& id);
std::string pair_code_digits(const uint8_t* p, std::size_t size);

// The Ossel module's packed identifier: digit pairs, 15 after the last digit,
// 0xFF after the last pair; read back up to the first nibble 15.
void put_ossel_id(uint8_t* p, std::size_t size, const std::string& id);
std::string ossel_id(const uint8_t* p, std::size_t size);

// A text of at most `width` characters right-aligned with '0' in front.
std::string zero_padded(const std::string& s, std::size_t width);

}  // namespace corvo::sim
