#include "bio/pair_code.h"

#include <cstring>

namespace varanda {

namespace {
// The value of a hexadecimal digit (either case), or -1.
int hex_value(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int read_pair(uint8_t first, uint8_t second) {
    if (first == 0) {
        const int v = hex_value(second);
        return v < 0 ? 0 : v;
    }
    const int high = hex_value(first);
    if (high < 0) return 0;
    const int low = hex_value(second);
    return low < 0 ? high : high * 16 + low;
}
}  // namespace

bool encode_pair_code(const char* text, uint8_t* out) {
    const size_t len = strnlen(text, kPairCodeMaxText + 1);
    if (len > static_cast<size_t>(kPairCodeMaxText)) return false;
    uint8_t field[kPairCodeMaxText] = {};
    std::memcpy(field + (kPairCodeMaxText - len), text, len);
    for (int i = 0; i < kPairCodeSize; ++i) {
        out[i] = static_cast<uint8_t>(read_pair(field[2 * i], field[2 * i + 1]) + 1);
    }
    return true;
}

uint8_t decode_pair_code_byte(uint8_t b) { return static_cast<uint8_t>((b >> 4) * 10 + (b & 0x0F) - 1); }

}  // namespace varanda
