#include "wire/bcd_timestamp.h"

namespace varanda::wire {

uint8_t packed_bcd(int value) {
    int v = value % 100;
    if (v < 0) v += 100;
    return static_cast<uint8_t>((v / 10) << 4 | (v % 10));
}

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
