// The 77-byte change-event block (command 134): the entry and exit
// presentation messages, the times at which the terminal changes by itself
// to entry or exit punching, and the arrow-key option. It holds what the
// host last set, also after sending.
#pragma once
#include <array>
#include <cstdint>

#include "config/display_message.h"

namespace varanda {

struct ChangeEventBlock {
    static constexpr int kSize = 77;
    static constexpr int kEntryMessage = 0, kExitMessage = 32;
    // Three times each: hour 1, minute 1, hour 2, minute 2, hour 3, minute 3.
    static constexpr int kEntryTimes = 64, kExitTimes = 70;
    static constexpr int kArrowKeys = 76;
    static constexpr uint8_t kNoTime = 0xFF;  // an empty hour or minute

    // Before the host sets anything: blank messages, no change times, arrow keys off.
    ChangeEventBlock() {
        bytes.fill(kNoTime);
        format_display_message(display_slot(bytes, kEntryMessage), 0, nullptr);
        format_display_message(display_slot(bytes, kExitMessage), 0, nullptr);
        bytes[kArrowKeys] = 0;
    }

    std::array<uint8_t, kSize> bytes{};
};

}  // namespace varanda
