// User identifiers and PINs of the Ossel module.
//
// Packed (8 bytes, in requests): at most 16 characters (a longer text is cut),
// two per byte, each a nibble (a digit its value, anything else 0), first in
// the high nibble; an odd count leaves 15 in the last low nibble; 0xFF after
// the last pair. "12345" is 12 34 5F FF FF FF FF FF.
//
// Unpacked (from answers): up to 9 bytes read nibble by nibble, high first,
// up to the first nibble 15, each written as its decimal number (10..14 give
// two characters). At most 16 characters are written; when fewer, a zero
// byte follows them.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace varanda {

inline constexpr int kOsselIdSize = 8;
inline constexpr int kOsselIdMaxText = 16;
inline constexpr int kOsselPackedIdBytes = 9;  // bytes read back from an answer

// The text's length as the module counts it: capped at 16.
uint8_t ossel_id_length(const char* text);

void pack_ossel_id(const char* text, uint8_t* out);

// A request naming a user or a PIN: the text's length, then the text packed.
using OsselIdRequest = std::array<uint8_t, 1 + kOsselIdSize>;
OsselIdRequest ossel_id_request(const char* text);

// Writes the text to `out` (room for 16 characters); returns how many.
size_t unpack_ossel_id(const uint8_t* packed, char* out);

}  // namespace varanda
