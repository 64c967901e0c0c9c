// The 300-byte table of siren times: 100 entries of hour, minute and weekday
// mask (bit i for the i-th weekday flag), all zero when unset, and the count
// of entries inserted since the last reset (not sent). Sent whole (command
// 112), or its first 50 entries to old terminals (command 105).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace varanda {

struct SirenTable {
    static constexpr int kEntries = 100, kOldEntries = 50;
    static constexpr size_t kEntrySize = 3;  // hour, minute, weekday mask
    static constexpr size_t kSize = kEntries * kEntrySize, kOldSize = kOldEntries * kEntrySize;  // 300, 150

    void reset() noexcept {
        bytes.fill(0);
        count = 0;
    }
    bool full() const { return count >= kEntries; }
    // Writes the entry at position `count`; the caller checks full() first.
    void append(uint8_t hour, uint8_t minute, uint8_t mask) noexcept {
        const size_t at = static_cast<size_t>(count) * kEntrySize;
        bytes[at] = hour;
        bytes[at + 1] = minute;
        bytes[at + 2] = mask;
        ++count;
    }

    std::array<uint8_t, kSize> bytes{};
    int32_t count = 0;
};

}  // namespace varanda
