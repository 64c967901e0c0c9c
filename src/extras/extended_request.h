// The 66-byte extended request (command 125) and its 66-byte answer (command
// 225): turnstile counters and smart card reading.
#pragma once
#include <array>
#include <cstdint>

#include "core/return_code.h"
#include "wire/terminal_commands.h"

namespace varanda {

class ConnectionManager;

struct ExtendedRequest {
    static constexpr int32_t kCommand = wire::command::kExtended;
    static constexpr int32_t kAnswerCommand = wire::command::kExtendedAnswer;
    static constexpr int32_t kSize = 66;
    static constexpr int kCounterOffset = 2;  // three counters of 4 bytes from here
    static constexpr int kCounterSize = 4;

    std::array<uint8_t, kSize> bytes;

    // Bytes 0 and 1 as given, every other byte 0xFF.
    ExtendedRequest(uint8_t kind, uint8_t detail);

    static ExtendedRequest counter_write(const uint8_t (&counters)[3][kCounterSize]);
    static ExtendedRequest counter_read() { return ExtendedRequest(1, 2); }
    static ExtendedRequest smart_card_read(uint8_t area) { return ExtendedRequest(4, area); }
};

using ExtendedAnswer = std::array<uint8_t, ExtendedRequest::kSize>;

// Sends the request and, when the terminal took it, receives the answer.
// The code of the first step that failed, else 0.
ReturnCode exchange_extended(ConnectionManager& connection, int32_t terminal, const ExtendedRequest& request,
                             ExtendedAnswer& answer);

}  // namespace varanda
