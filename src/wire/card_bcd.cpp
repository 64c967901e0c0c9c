#include "wire/card_bcd.h"

#include <cstring>

namespace varanda::wire {

namespace {
constexpr uint8_t digit(char c) { return c >= '0' && c <= '9' ? static_cast<uint8_t>(c - '0') : 0; }
}  // namespace

bool pack_card_bcd(std::string_view text, uint8_t* out, size_t width) noexcept {
    if (card_bcd_bytes(text.size()) > width) return false;
    if (width > 0) std::memset(out, 0, width);
    size_t pos = width;
    size_t i = text.size();
    while (i > 0) {
        uint8_t b = digit(text[--i]);
        if (i > 0) b = static_cast<uint8_t>(b | (digit(text[--i]) << 4));
        out[--pos] = b;
    }
    return true;
}

}  // namespace varanda::wire
