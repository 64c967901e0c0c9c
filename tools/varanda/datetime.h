// Dates and times as the tool reads and writes them: ISO 8601, local time,
// two-digit years on the terminal (2000 to 2099).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace vtool {

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// "YYYY-MM-DDTHH:MM:SS" (with_seconds) or "YYYY-MM-DDTHH:MM"; a real date
// in 2000..2099, nothing else around it.
std::optional<DateTime> parse_datetime(const std::string& text, bool with_seconds);

// The host's local time now.
DateTime local_now();

std::string iso_date(int year, int month, int day);          // YYYY-MM-DD
std::string iso_time(int hour, int minute, int second = -1);  // HH:MM or HH:MM:SS

}  // namespace vtool
