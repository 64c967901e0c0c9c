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

bool encode_bcd_entry(const char* text, uint8_t* out) {
    const size_t len = strnlen(text, 2 * kBcdEntrySize + 1);
    if (len > 2 * kBcdEntrySize) return false;
    std::memset(out, 0, kBcdEntrySize);
    // From the right: the last character in the low nibble of the last byte.
    for (size_t i = 0; i < len; ++i) {
        const size_t from_right = len - 1 - i;
        const uint8_t nibble = decimal_nibble(text[i]);
        uint8_t& b = out[kBcdEntrySize - 1 - from_right / 2];
        b |= (from_right % 2 == 0) ? nibble : static_cast<uint8_t>(nibble << 4);
    }
    return true;
}

bool encode_hex_entry(const char* text, uint8_t* out) {
    const size_t len = strnlen(text, 2 * kHexEntrySize + 1);
    if (len > 2 * kHexEntrySize) return false;
    std::memset(out, 0, kHexEntrySize);
    for (size_t i = 0; i < len; ++i) {
        const size_t from_right = len - 1 - i;
        const uint8_t nibble = hex_upper_nibble(text[i]);
        uint8_t& b = out[kHexEntrySize - 1 - from_right / 2];
        b |= (from_right % 2 == 0) ? nibble : static_cast<uint8_t>(nibble << 4);
    }
    return true;
}

}  // namespace varanda
