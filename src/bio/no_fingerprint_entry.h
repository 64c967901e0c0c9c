// The entries of the lists of users without fingerprint.
//
// 5-byte entry: packed BCD, right-aligned, leading bytes 0; each character
// one nibble ('0'..'9' their value, anything else 0), paired from the right.
// "12345" is 00 00 01 23 45.
//
// 8-byte entry: the text (a '0' put in front when its length is odd) read
// two characters at a time, each worth its position in "0123456789ABCDEF"
// (anything else 0), right-aligned, leading bytes 0. "12345" is
// 00 00 00 00 00 01 23 45.
#pragma once
#include <cstdint>

namespace varanda {

inline constexpr int kBcdEntrySize = 5;
inline constexpr int kHexEntrySize = 8;

// False (nothing written) when the text has more than 10 characters.
bool encode_bcd_entry(const char* text, uint8_t* out);

// False (nothing written) when the text has more than 16 characters.
bool encode_hex_entry(const char* text, uint8_t* out);

}  // namespace varanda
