#include "wire/packed_bcd.h"

#include <algorithm>

namespace varanda::wire {

uint8_t bcd_digit(char c) { return c >= '0' && c <= '9' ? static_cast<uint8_t>(c - '0') : 0; }

bool pack_bcd_right_aligned(std::span<uint8_t> out, std::string_view digits) {
    if (digits.size() > 2 * out.size()) return false;
    std::fill(out.begin(), out.end(), uint8_t{0});
    std::size_t byte = out.size();
    for (std::size_t end = digits.size(); end > 0; end -= std::min<std::size_t>(end, 2)) {
        --byte;
        const uint8_t low = bcd_digit(digits[end - 1]);
        const uint8_t high = end >= 2 ? bcd_digit(digits[end - 2]) : 0;
        out[byte] = static_cast<uint8_t>(high << 4 | low);
    }
    return true;
}

}  // namespace varanda::wire
