// Bytes of the exchange itself, the same for every family.
#pragma once
#include <cstdint>
#include "wire/terminal_commands.h"

namespace varanda::wire {

inline constexpr int32_t kPingCommand = wire::command::kPing;     // asks whether the terminal answers
inline constexpr uint8_t kAcknowledgeByte = 6;  // sent after a no-reply receive

}  // namespace varanda::wire
