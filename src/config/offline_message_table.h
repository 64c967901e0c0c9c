// The 416-byte table of offline display messages (command 106): thirteen
// 32-byte display messages. Slot 0 entry, 1 exit, 2 default, 3-12 the
// messages of functions 0-9. Sending consumes it: after every send (and at
// start) it holds its reset contents.
#pragma once
#include <array>
#include <cstdint>

#include "config/display_message.h"

namespace varanda {

struct OfflineMessageTable {
    static constexpr int kSlots = 13;
    static constexpr int kSize = kSlots * static_cast<int>(display_message::kSize);
    static constexpr int kEntrySlot = 0;
    static constexpr int kExitSlot = 1;
    static constexpr int kDefaultSlot = 2;
    static constexpr int kFirstFunctionSlot = 3;
    static constexpr int kFunctions = 10;

    OfflineMessageTable() { reset(); }

    // Spaces everywhere; slots 0-2 carry their second-line default texts,
    // slots 3-12 are disabled (byte 0 = 0xFF).
    void reset();

    // Slot 0..12 (the caller checks the number).
    DisplayMessageSlot slot(int n) { return display_slot(bytes, static_cast<std::size_t>(n) * display_message::kSize); }

    std::array<uint8_t, kSize> bytes{};
};

}  // namespace varanda
