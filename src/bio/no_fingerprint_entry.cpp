#include "bio/no_fingerprint_entry.h"

#include <cstring>

namespace varanda {

namespace {
uint8_t decimal_nibble(char c) { return c >= '0' && c <= '9' ? static_cast<uint8_t>(c - '0') : 0; }

uint8_t hex_upper_nibble(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
    return 0;
}
}  // namespace

namespace {
// Writes the text's characters, as `nibble` reads them, right-aligned into
// `size` bytes: the last character in the low nibble of the last byte.
bool encode_entry(const char* text, uint8_t* out, size_t size, uint8_t (*nibble)(char)) {
    const size_t len = strnlen(text, 2 * size + 1);
    if (len > 2 * size) return false;
    std::memset(out, 0, size);
    for (size_t i = 0; i < len; ++i) {
        const size_t from_right = len - 1 - i;
        const uint8_t value = nibble(text[i]);
        uint8_t& b = out[size - 1 - from_right / 2];
        b |= (from_right % 2 == 0) ? value : static_cast<uint8_t>(value << 4);
    }
    return true;
}
}  // namespace

bool encode_bcd_entry(const char* text, uint8_t* out) { return encode_entry(text, out, kBcdEntrySize, decimal_nibble); }

bool encode_hex_entry(const char* text, uint8_t* out) {
    return encode_entry(text, out, kHexEntrySize, hex_upper_nibble);
}

}  // namespace varanda
