// EnviarRelogio, ReceberRelogio and EnviarHorarioVerao.
#include "schedules/clock.h"

#include "comm/connection_manager.h"
#include "core/settings_view.h"
#include "varanda_ops.h"

namespace varanda {

namespace {
struct Bound {
    uint8_t low;
    uint8_t high;
    ReturnCode code;  // when outside
};

bool outside(uint8_t v, const Bound& b) { return v < b.low || v > b.high; }

// Clock fields in payload order; the year's code is 133, after the others.
constexpr Bound kClock[6] = {{1, 31, 128}, {1, 12, 129}, {0, 99, 133}, {0, 23, 130}, {0, 59, 131}, {0, 59, 132}};

// Daylight saving: day, month, year, hour, minute for the start, then the
// end. Years are not checked; hours take the minute's bound.
constexpr Bound kAnyYear{0, 255, 0};
constexpr Bound kDaylight[10] = {{1, 31, 128}, {1, 12, 129}, kAnyYear, {0, 59, 130}, {0, 59, 131},
                                 {1, 31, 132}, {1, 12, 133}, kAnyYear, {0, 59, 134}, {0, 59, 135}};

template <size_t N>
ReturnCode check(const uint8_t (&fields)[N], const Bound (&bounds)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (outside(fields[i], bounds[i])) return bounds[i].code;
    return rc::kOk;
}

constexpr uint8_t kLastSecond = 59;
}  // namespace

ReturnCode read_clock(ConnectionManager& connection, int32_t terminal, std::array<uint8_t, 6>& raw) {
    std::array<uint8_t, 6> answer{};
    if (connection.ReceiveData(terminal, answer.data(), ClockCommands::kReadWithSeconds,
                              ClockCommands::kWithSecondsLength) != rc::kOk) {
        answer = {};
        const ReturnCode c =
            connection.ReceiveData(terminal, answer.data(), ClockCommands::kRead, ClockCommands::kLength);
        if (c != rc::kOk) return c;
        answer[5] = 0;
    }
    raw = answer;
    return rc::kOk;
}

namespace op {

uint8_t EnviarRelogio(ConnectionManager& connection, const SettingsView& settings, int32_t terminal, uint8_t day,
                      uint8_t month, uint8_t year, uint8_t hour, uint8_t minute, uint8_t second) {
    const uint8_t payload[ClockCommands::kWithSecondsLength] = {day, month, year, hour, minute, second};
    if (ReturnCode c = check(payload, kClock); c != rc::kOk) return c;
    // Any failure of the six-byte form, a closed port included, falls back to five bytes.
    if (settings.clock_seconds &&
        connection.SendCommand(terminal, payload, ClockCommands::kSetWithSeconds, ClockCommands::kWithSecondsLength) ==
            rc::kOk)
        return rc::kOk;
    return connection.SendCommand(terminal, payload, ClockCommands::kSet, ClockCommands::kLength);
}

uint8_t ReceberRelogio(ConnectionManager& connection, int32_t terminal, uint8_t* day, uint8_t* month, uint8_t* year,
                       uint8_t* hour, uint8_t* minute, uint8_t* second) {
    uint8_t* out[6] = {day, month, year, hour, minute, second};
    for (int i = 0; i < 6; ++i)
        if (out[i] == nullptr) return rc::bad_arg(i + 1);
    std::array<uint8_t, 6> raw;
    if (ReturnCode c = read_clock(connection, terminal, raw); c != rc::kOk) return c;
    if (raw[5] > kLastSecond) raw[5] = 0;
    for (int i = 0; i < 6; ++i) *out[i] = raw[i];
    return rc::kOk;
}

uint8_t EnviarHorarioVerao(ConnectionManager& connection, int32_t terminal, uint8_t startDay, uint8_t startMonth,
                           uint8_t startYear, uint8_t startHour, uint8_t startMinute, uint8_t endDay,
                           uint8_t endMonth, uint8_t endYear, uint8_t endHour, uint8_t endMinute) {
    const uint8_t payload[ClockCommands::kDaylightLength] = {startDay, startMonth, startYear, startHour, startMinute,
                                 endDay,   endMonth,   endYear,   endHour,   endMinute};
    if (ReturnCode c = check(payload, kDaylight); c != rc::kOk) return c;
    return connection.SendCommand(terminal, payload, ClockCommands::kDaylightSaving, ClockCommands::kDaylightLength);
}

}  // namespace op
}  // namespace varanda
