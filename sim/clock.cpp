// The terminal's clock (the host's clock plus an offset) and the daylight
// saving period.
#include <ctime>

#include "sim/kept_block.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;

// Checks day, month, year (two digits), hour, minute and second.
bool valid(int d, int mo, int y, int h, int mi, int s) {
    return d >= 1 && d <= 31 && mo >= 1 && mo <= 12 && y >= 0 && y <= 99 && h >= 0 && h <= 23 && mi >= 0 && mi <= 59 &&
           s >= 0 && s <= 59;
}

Reply set_clock(Terminal& t, TerminalBank&, const Request& r) {
    const auto& p = r.payload;
    const int second = r.command == kSetClockSeconds ? p[5] : 0;
    if (!valid(p[0], p[1], p[2], p[3], p[4], second)) return Reply::refused(link::Status::BadContents);
    std::tm tm{};
    tm.tm_mday = p[0];
    tm.tm_mon = p[1] - 1;
    tm.tm_year = 100 + p[2];
    tm.tm_hour = p[3];
    tm.tm_min = p[4];
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    const std::time_t set = std::mktime(&tm);
    if (set == static_cast<std::time_t>(-1)) return Reply::refused(link::Status::BadContents);
    t.clock_offset_s = static_cast<int64_t>(set - std::time(nullptr));
    t.clock_set = true;
    return Reply::accepted();
}

Reply get_clock(Terminal& t, TerminalBank&, const Request& r) {
    const ClockTime c = terminal_clock(t);
    Bytes a = {static_cast<uint8_t>(c.day), static_cast<uint8_t>(c.month), static_cast<uint8_t>(c.year % 100),
               static_cast<uint8_t>(c.hour), static_cast<uint8_t>(c.minute)};
    if (r.command == kGetClockSeconds) a.push_back(static_cast<uint8_t>(c.second));
    return Reply::answer(a);
}
}  // namespace

void add_time_commands(CommandTable& table) {
    table.on_send(kSetClock, kClockSize, set_clock);
    table.on_send(kSetClockSeconds, kClockSecondsSize, set_clock);
    table.on_receive(kGetClock, kClockSize, get_clock);
    table.on_receive(kGetClockSeconds, kClockSecondsSize, get_clock);
    table.on_send(kDaylightSaving, kDaylightSavingSize, keep_block<&Terminal::daylight_saving>);
}

}  // namespace corvo::sim
