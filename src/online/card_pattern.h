// How card numbers travel: 0 as a 16-bit number, 1 as a digit string.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct CardPattern {
    uint8_t value = 1;
};

}  // namespace varanda
