// A byte read as two packed decimal digits: its hexadecimal text read as a
// decimal number, a letter ending the number (0x12 is 12, 0x1A is 1, 0xA1 is 0).
#pragma once
#include <cstdint>

namespace varanda {

int32_t read_packed_decimal(uint8_t b);

}  // namespace varanda
