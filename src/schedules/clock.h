// The terminal's clock: day, month, year (two digits), hour, minute and
// second, one plain byte each.
#pragma once
#include <array>
#include <cstdint>

#include "core/return_code.h"

namespace varanda {

class ConnectionManager;

struct ClockCommands {
    static constexpr int32_t kSetWithSeconds = 117;  // kWithSecondsLength bytes
    static constexpr int32_t kSet = 101;             // kLength bytes, no seconds
    static constexpr int32_t kReadWithSeconds = 217;
    static constexpr int32_t kRead = 201;
    static constexpr int32_t kDaylightSaving = 113;  // kDaylightLength bytes
    static constexpr int32_t kWithSecondsLength = 6;
    static constexpr int32_t kLength = 5;
    static constexpr int32_t kDaylightLength = 10;
};

// Reads the clock: six bytes with command 217, else five with command 201
// and a second of 0. The second is handed out as the terminal sent it, even
// above 59. The code of the last attempt; `raw` is written only on 0.
ReturnCode read_clock(ConnectionManager& connection, int32_t terminal, std::array<uint8_t, 6>& raw);

}  // namespace varanda
