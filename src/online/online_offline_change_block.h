// The 72-byte block of automatic online/offline change (command 114), sent
// exactly as laid out here. Nothing resets it and sending does not change it.
#pragma once
#include <array>
#include <cstdint>

#include "config/display_message.h"

namespace varanda {

struct OnlineOfflineChangeBlock {
    static constexpr int kSize = 72;
    static constexpr int kMode = 0;            // 0, 1 or 2
    static constexpr int kTime = 1;            // 0..50
    static constexpr int kOfflineForms = 2;    // entry forms after the change to offline
    static constexpr int kKeypad1 = 3;         // bytes 3-7: the layout of the online entry forms record
    static constexpr int kKeypad2 = 4;
    static constexpr int kOnlineForms = 5;     // entry forms after the change to online
    static constexpr int kKeypad3 = 6;
    static constexpr int kKeypad4 = 7;
    static constexpr int kOnlineMessage = 8;   // standard message after the change to online
    static constexpr int kOfflineMessage = 40; // standard message after the change to offline

    // Before the host sets anything: zero settings and blank messages.
    OnlineOfflineChangeBlock() {
        format_display_message(display_slot(bytes, kOnlineMessage), 0, nullptr);
        format_display_message(display_slot(bytes, kOfflineMessage), 0, nullptr);
    }

    std::array<uint8_t, kSize> bytes{};
};

}  // namespace varanda
