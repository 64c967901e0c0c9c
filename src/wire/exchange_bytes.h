// Bytes of the exchange itself, the same for every family.
#pragma once
#include <cstdint>

namespace varanda::wire {

inline constexpr int32_t kPingCommand = 10;     // asks whether the terminal answers
inline constexpr uint8_t kAcknowledgeByte = 6;  // sent after a no-reply receive

}  // namespace varanda::wire
