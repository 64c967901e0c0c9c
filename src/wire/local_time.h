// A local date and time as the terminals' formats carry it.
#pragma once

namespace varanda {

struct LocalTime {
    int year;    // e.g. 2026
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..59
    int weekday; // 0 Sunday .. 6 Saturday
};

}  // namespace varanda
