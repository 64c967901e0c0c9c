#include "jni/modified_utf8.h"

namespace varanda::jni {

std::string to_modified_utf8(const char* area, size_t max_length) {
    std::string out;
    if (area == nullptr) return out;
    for (size_t i = 0; i < max_length && area[i] != '\0'; ++i) {
        const auto b = static_cast<unsigned char>(area[i]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

}  // namespace varanda::jni
