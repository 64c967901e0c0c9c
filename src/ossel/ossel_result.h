// The Ossel module's verdict on the last request, in its two forms.
//
// Offline (command 240, one byte): 0 -> 0, 1..6 -> 128..133, 7 and above -> 128.
// Online (command 207, a 22-byte event; byte 0 is 1 for a result message,
// byte 1 the result): 2 and 7 -> 0, 3 -> 130, 4 -> 134, any other -> 128; an
// event that is not a result message gives 1 and is held for the host.
#pragma once
#include <cstdint>

#include "core/return_code.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"

namespace varanda {


ReturnCode ossel_offline_result(ConnectionManager& connection, int32_t terminal);
ReturnCode ossel_online_result(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal);

ReturnCode ossel_offline_code(uint8_t result);
ReturnCode ossel_online_code(uint8_t result);

}  // namespace varanda
