#include "ossel/ossel_id.h"

#include <cstring>

namespace varanda {

namespace {
uint8_t digit(char c) { return c >= '0' && c <= '9' ? static_cast<uint8_t>(c - '0') : 0; }
}

uint8_t ossel_id_length(const char* text) {
    return static_cast<uint8_t>(strnlen(text, kOsselIdMaxText));
}

void pack_ossel_id(const char* text, uint8_t* out) {
    const size_t len = ossel_id_length(text);
    std::memset(out, 0xFF, kOsselIdSize);
    for (size_t i = 0; i < len; i += 2) {
        const uint8_t low = i + 1 < len ? digit(text[i + 1]) : 0x0F;
        out[i / 2] = static_cast<uint8_t>(digit(text[i]) << 4 | low);
    }
}

OsselIdRequest ossel_id_request(const char* text) {
    OsselIdRequest request{};
    request[0] = ossel_id_length(text);
    pack_ossel_id(text, &request[1]);
    return request;
}

size_t unpack_ossel_id(const uint8_t* packed, char* out) {
    size_t n = 0;
    for (int i = 0; i < 2 * kOsselPackedIdBytes; ++i) {
        const uint8_t nibble = (i % 2 == 0) ? packed[i / 2] >> 4 : packed[i / 2] & 0x0F;
        if (nibble == 0x0F) break;
        const size_t width = nibble >= 10 ? 2 : 1;
        if (n + width > static_cast<size_t>(kOsselIdMaxText)) break;
        if (nibble >= 10) out[n++] = '1';
        out[n++] = static_cast<char>('0' + nibble % 10);
    }
    if (n < static_cast<size_t>(kOsselIdMaxText)) out[n] = '\0';
    return n;
}

}  // namespace varanda
