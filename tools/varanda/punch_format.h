// One collected punch as a CSV line (terminal,type,date,time,card) or a JSON line.
#pragma once
#include <cstdint>
#include <string>

namespace vtool {

struct Punch {
    int32_t terminal = 0;
    uint8_t type = 0, day = 0, month = 0, year = 0, hour = 0, minute = 0;
    char card[17] = {};  // the SDK's 16 characters, terminated here
};

inline constexpr const char* kPunchCsvHeader = "terminal,type,date,time,card\n";

std::string punch_csv(const Punch& p);
std::string punch_json(const Punch& p);

}  // namespace vtool
