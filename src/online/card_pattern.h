// How card numbers travel: 0 as a 16-bit number, 1 as a digit string.
#pragma once
#include <cstdint>

namespace varanda {

struct CardPattern {
    static constexpr uint8_t kNumber = 0;
    static constexpr uint8_t kDigits = 1;
    uint8_t value = kDigits;
};

}  // namespace varanda
