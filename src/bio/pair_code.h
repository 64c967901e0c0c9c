// The pair code of a user identifier in fingerprint records. The identifier
// (at most 16 characters) is right-aligned in a 16-byte field led by NUL
// bytes; each of the eight pairs is read as a two-digit hexadecimal number
// (a pair led by NUL from its second character alone, a non-hexadecimal
// character ending the number) and stored plus 1, modulo 256. "12345" is
// 01 01 01 01 01 02 24 46. Read back, a byte b gives
// (b >> 4) * 10 + (b & 15) - 1, modulo 256.
#pragma once
#include <cstdint>

namespace varanda {

inline constexpr int kPairCodeSize = 8;
inline constexpr int kPairCodeMaxText = 16;

// False (nothing written) when the text has more than 16 characters.
bool encode_pair_code(const char* text, uint8_t* out);

uint8_t decode_pair_code_byte(uint8_t b);

}  // namespace varanda
