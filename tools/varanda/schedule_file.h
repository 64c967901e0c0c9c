// The schedule file, one entry a line, '#' comments:
//   access SCHEDULE DAYS HH:MM [HH:MM [HH:MM [HH:MM]]]   schedule 1..100, up to four times a day
//   siren HH:MM DAYS                                     up to 100 siren times
// DAYS: weekdays 1..7 as a list and ranges ("1-5", "1,3,6-7").
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vtool {

struct AccessDay {
    uint8_t schedule = 0, day = 0;
    std::vector<std::pair<uint8_t, uint8_t>> times;  // hour, minute; index 1 first
};

struct SirenTime {
    uint8_t hour = 0, minute = 0;
    std::array<uint8_t, 7> days{};  // flag of weekday 1..7
};

struct ScheduleFile {
    std::vector<AccessDay> access;
    std::vector<SirenTime> sirens;
    std::string error;  // "FILE:LINE: reason", or "FILE: no schedules"
};

ScheduleFile parse_schedule_file(const std::string& text, const std::string& file);

}  // namespace vtool
