// The 5,600-byte table of access schedules: 100 weekly schedules of 7 days,
// each day 4 times of hour and minute; 0xFF marks a time that is not set.
// Sent whole (command 111), or its first 50 schedules to old terminals
// (command 103).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace varanda {

struct AccessScheduleTable {
    static constexpr int kSchedules = 100, kOldSchedules = 50, kDays = 7, kTimes = 4;
    static constexpr size_t kTimeSize = 2;  // hour, minute
    static constexpr size_t kDaySize = kTimes * kTimeSize, kScheduleSize = kDays * kDaySize;  // 8, 56
    static constexpr size_t kSize = kSchedules * kScheduleSize;        // 5,600
    static constexpr size_t kOldSize = kOldSchedules * kScheduleSize;  // 2,800
    static constexpr uint8_t kUnset = 0xFF;

    AccessScheduleTable() { reset(); }
    void reset() noexcept { bytes.fill(kUnset); }

    // Offset of the hour of schedule 1..100, day 1..7, time 1..4; the minute
    // follows it.
    static constexpr size_t offset(int schedule, int day, int time) {
        return static_cast<size_t>(schedule - 1) * kScheduleSize + static_cast<size_t>(day - 1) * kDaySize +
               static_cast<size_t>(time - 1) * kTimeSize;
    }

    std::array<uint8_t, kSize> bytes;
};

}  // namespace varanda
