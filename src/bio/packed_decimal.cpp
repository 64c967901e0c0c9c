#include "bio/packed_decimal.h"

namespace varanda {

int32_t read_packed_decimal(uint8_t b) {
    const int high = b >> 4;
    const int low = b & 0x0F;
    if (high == 0) return low <= 9 ? low : 0;  // one hexadecimal digit
    if (high > 9) return 0;
    if (low > 9) return high;
    return high * 10 + low;
}

}  // namespace varanda
