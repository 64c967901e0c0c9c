// EnviarTempoKeepAliveRabbit and the green LED.
#include "comm/connection_manager.h"
#include "varanda_ops.h"
#include "wire/byte_order.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kKeepAliveCommand = wire::command::kKeepAlive;
constexpr int32_t kGreenLedOn = wire::command::kBacklightOn;   // the terminal uses the backlight commands
constexpr int32_t kGreenLedOff = wire::command::kBacklightOff;
}  // namespace

uint8_t EnviarTempoKeepAliveRabbit(ConnectionManager& connection, int32_t terminal, int32_t time) {
    // A negative time has always been answered with 128, not 129.
    if (time < 0) return rc::bad_arg(0);
    uint8_t payload[4];
    wire::put_u32_be(payload, static_cast<uint32_t>(time));
    return connection.SendCommand(terminal, payload, kKeepAliveCommand, sizeof payload);
}

uint8_t LigarLedVerde(ConnectionManager& connection, int32_t terminal) {
    return connection.SendCommand(terminal, nullptr, kGreenLedOn, 0);
}

uint8_t DesligarLedVerde(ConnectionManager& connection, int32_t terminal) {
    return connection.SendCommand(terminal, nullptr, kGreenLedOff, 0);
}

}  // namespace varanda::op
