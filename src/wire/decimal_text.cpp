#include "wire/decimal_text.h"

namespace varanda::wire {

namespace {
constexpr bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

DecimalValue read_decimal(std::string_view text) noexcept {
    DecimalValue v;
    size_t i = 0;
    while (i < text.size() && is_space(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        v.negative = text[i] == '-';
        ++i;
    }
    uint16_t low = 0;  // arithmetic modulo 2^16 keeps the low bits exact
    for (; i < text.size() && is_digit(text[i]); ++i) {
        const unsigned d = static_cast<unsigned>(text[i] - '0');
        low = static_cast<uint16_t>(low * 10u + d);
        if (v.magnitude < DecimalValue::kSaturated) {
            v.magnitude = v.magnitude * 10u + d;
            if (v.magnitude > DecimalValue::kSaturated) v.magnitude = DecimalValue::kSaturated;
        }
    }
    v.low16 = v.negative ? static_cast<uint16_t>(0u - low) : low;
    return v;
}

}  // namespace varanda::wire
