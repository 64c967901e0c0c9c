// The 5,600-byte table of access schedules (command 111).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct AccessScheduleTable {
    std::array<uint8_t, 5600> bytes{};
};

}  // namespace varanda
