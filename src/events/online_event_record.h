// The 22-byte answer of command 207 that carries one online event: a card
// or keypad event, or an answer of the fingerprint (origin 13) or Ossel
// (origin 1) module.
#pragma once
#include <array>
#include <cstdint>

#include "core/return_code.h"
#include "wire/terminal_commands.h"

namespace varanda {

class ConnectionManager;

struct OnlineEventRecord {
    static constexpr int32_t kCommand = wire::command::kNextEvent;
    static constexpr int32_t kSize = 22;
    static constexpr uint8_t kOriginBio = 13;
    static constexpr uint8_t kOriginOssel = 1;

    std::array<uint8_t, kSize> bytes{};

    uint8_t origin() const { return bytes[0]; }
    uint8_t complement() const { return bytes[1]; }  // for origin 13: the sub-command answered
    // Card positions run from offset 2: 16 of them when byte 20 is 0xFF, else 14.
    bool sixteen_positions() const { return bytes[20] == 0xFF; }
    const uint8_t* positions() const { return &bytes[2]; }
    const uint8_t* date_time() const { return &bytes[16]; }  // six values, as received
};

// Fetches one event from the terminal (ReceiveData, command 207, 22 bytes).
ReturnCode receive_online_event(ConnectionManager& connection, int32_t terminal, OnlineEventRecord& out);

}  // namespace varanda
