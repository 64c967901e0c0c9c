#include "config/display_message.h"

#include <algorithm>

namespace varanda {

void format_display_message(DisplayMessageSlot out, uint8_t second_line, const char* text) {
    using namespace display_message;
    std::fill(out.begin(), out.end(), kSpace);
    if (second_line != 0) out[0] = kSecondLine;
    if (text == nullptr) return;
    const std::size_t start = second_line != 0 ? kLineWidth : 0;
    for (std::size_t i = start; i < kSize && *text != '\0'; ++i, ++text) {
        out[i] = static_cast<uint8_t>(*text);
    }
}

DisplayMessageImage make_display_message(uint8_t second_line, const char* text) {
    DisplayMessageImage image;
    format_display_message(image, second_line, text);
    return image;
}

}  // namespace varanda
