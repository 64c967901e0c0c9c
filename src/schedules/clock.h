// The terminal's clock: day, month, year (two digits), hour, minute and
// second, one plain byte each.
#pragma once
#include <array>
#include <cstdint>

#include "core/return_code.h"
#include "wire/terminal_commands.h"

namespace varanda {

class ConnectionManager;

struct ClockCommands {
    static constexpr int32_t kSetWithSeconds = wire::command::kSetClockSeconds;  // kWithSecondsLength bytes
    static constexpr int32_t kSet = wire::command::kSetClock;             // kLength bytes, no seconds
    static constexpr int32_t kReadWithSeconds = wire::command::kGetClockSeconds;
    static constexpr int32_t kRead = wire::command::kGetClock;
    static constexpr int32_t kDaylightSaving = wire::command::kDaylightSaving;  // kDaylightLength bytes
    static constexpr int32_t kWithSecondsLength = 6;
    static constexpr int32_t kLength = 5;
    static constexpr int32_t kDaylightLength = 10;
};

// Reads the clock: six bytes with command 217, else five with command 201
// and a second of 0. The second is handed out as the terminal sent it, even
// above 59. The code of the last attempt; `raw` is written only on 0.
ReturnCode read_clock(ConnectionManager& connection, int32_t terminal, std::array<uint8_t, 6>& raw);

}  // namespace varanda
