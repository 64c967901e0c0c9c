// The 8-byte timestamp built from packed BCD bytes (wire/bcd_byte.h):
// century, year within the century, month, day, hour, minute, second, and a
// final 0 byte.
#pragma once
#include <cstdint>

#include "wire/bcd_byte.h"
#include "wire/local_time.h"

namespace varanda::wire {

inline constexpr int kBcdTimestampSize = 8;

void write_bcd_timestamp(const LocalTime& t, uint8_t* out);

}  // namespace varanda::wire
