// One collected punch as a CSV line (terminal,type,date,time,card) or a JSON line.
#pragma once
#include <string>

#include "punch.h"

namespace vtool {

using fleet::Punch;

inline constexpr const char* kPunchCsvHeader = "terminal,type,date,time,card\n";

std::string punch_csv(const Punch& p);
std::string punch_json(const Punch& p);

}  // namespace vtool
