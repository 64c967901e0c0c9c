#include "collect/punch_record.h"

#include <algorithm>

#include "wire/byte_order.h"

namespace varanda {

LastPunch::Id PunchRecord::id() const {
    const int at = size_for(card_pattern) - 2;
    return {bytes[at], bytes[at + 1]};
}

bool PunchRecord::header_is_zero() const {
    return std::all_of(bytes.begin(), bytes.begin() + kHeaderSize, [](uint8_t b) { return b == 0; });
}

std::array<char, PunchRecord::kCardTextSize> PunchRecord::card_text() const {
    std::array<char, kCardTextSize> text{};
    const uint8_t* card = &bytes[kCardOffset];
    if (card_pattern == 0) {
        unsigned n = wire::get_u16_le(card);
        char digits[5];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n != 0);
        std::reverse_copy(digits, digits + count, text.begin());
    } else {
        constexpr char kHex[] = "0123456789abcdef";
        for (int i = 0; i < 8; ++i) {
            text[2 * i] = kHex[card[i] >> 4];
            text[2 * i + 1] = kHex[card[i] & 0x0F];
        }
    }
    return text;
}

}  // namespace varanda
