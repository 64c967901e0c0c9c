#include "extras/tlm_buffer.h"

#include <algorithm>
#include <string_view>

namespace varanda {

namespace {
uint8_t digit_value(char ch) { return (ch >= '0' && ch <= '9') ? static_cast<uint8_t>(ch - '0') : 0; }

uint8_t hex_value(char ch) {
    constexpr std::string_view kHex = "0123456789ABCDEF";  // upper case only
    const size_t at = kHex.find(ch);
    return at == std::string_view::npos ? 0 : static_cast<uint8_t>(at);
}
}  // namespace

std::optional<TlmBuffer::Block> TlmBuffer::from_key_file(const uint8_t* data, size_t size) {
    if (data == nullptr || size < kKeyFileMinSize) return std::nullopt;
    // Byte 0 is not scrambled and not used.
    auto clear = [data](size_t at) { return static_cast<char>(data[at] ^ kMask); };
    Block b{};
    for (int i = 0; i < kDigitCount; ++i) b[i] = digit_value(clear(kFirstDigitPosition + 2 * i));
    b[10] = hex_value(clear(kFirstHexPosition));
    b[11] = hex_value(clear(kFirstHexPosition + 2));
    std::copy(kTrailer.begin(), kTrailer.end(), b.begin() + kTrailerOffset);
    return b;
}

}  // namespace varanda
