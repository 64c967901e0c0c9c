// Reading a decimal text the usual way: leading white space, one optional
// sign, then digits up to the first other character; 0 when there are none.
// Never reads past the text and never overflows, whatever its length.
#pragma once
#include <cstdint>
#include <string_view>

namespace varanda::wire {

struct DecimalValue {
    bool negative = false;
    uint64_t magnitude = 0;  // saturates at kSaturated
    uint16_t low16 = 0;      // the value's low 16 bits, two's complement for negatives

    static constexpr uint64_t kSaturated = UINT64_C(1) << 62;
};

DecimalValue read_decimal(std::string_view text) noexcept;

}  // namespace varanda::wire
