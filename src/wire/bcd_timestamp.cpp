#include "wire/bcd_timestamp.h"

namespace varanda::wire {

void write_bcd_timestamp(const LocalTime& t, uint8_t* out) {
    out[0] = packed_bcd(t.year / 100);
    out[1] = packed_bcd(t.year % 100);
    out[2] = packed_bcd(t.month);
    out[3] = packed_bcd(t.day);
    out[4] = packed_bcd(t.hour);
    out[5] = packed_bcd(t.minute);
    out[6] = packed_bcd(t.second);
    out[7] = 0;
}

}  // namespace varanda::wire
