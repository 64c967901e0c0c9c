// Packed BCD bytes (tens in the high nibble) and the 8-byte timestamp built
// from them: century, year within the century, month, day, hour, minute,
// second, and a final 0 byte.
#pragma once
#include <cstdint>

#include "wire/local_time.h"

namespace varanda::wire {

// 0..99 as one packed BCD byte; values outside are reduced modulo 100.
uint8_t packed_bcd(int value);

inline constexpr int kBcdTimestampSize = 8;

void write_bcd_timestamp(const LocalTime& t, uint8_t* out);

}  // namespace varanda::wire
