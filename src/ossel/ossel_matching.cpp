// Template and PIN comparison, and the network options.
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "ossel/ossel_blocks.h"
#include "ossel/ossel_id.h"
#include "ossel/ossel_result.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace command = wire::command;

namespace {
// The network option flags, in the byte sent.
constexpr uint8_t kNetworkFlag1 = 4, kNetworkFlag2 = 8, kNetworkFlag3 = 16;
}  // namespace

uint8_t CompararTemplateOssel(ConnectionManager& connection, int32_t terminal, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(1);
    return connection.SendCommand(terminal, template_, command::kOsselCompare, kOsselTemplateSize);
}

uint8_t ResultadoComparacaoTemplateOssel(ConnectionManager& connection, HeldOnlineEvents& held_events,
                                         int32_t terminal) {
    return ossel_online_result(connection, held_events, terminal);
}

uint8_t CompararPINOssel(ConnectionManager& connection, int32_t terminal, const char* pin) {
    if (pin == nullptr || pin[0] == '\0') return rc::check_failed(0);
    const OsselIdRequest request = ossel_id_request(pin);
    return connection.SendCommand(terminal, request.data(), command::kOsselComparePin, request.size());
}

uint8_t ResultadoComparacaoPINOssel(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal) {
    return ossel_online_result(connection, held_events, terminal);
}

uint8_t ConfigurarRedeOssel(ConnectionManager& connection, int32_t terminal, uint8_t flag1, uint8_t flag2,
                            uint8_t flag3) {
    const uint8_t flags = static_cast<uint8_t>((flag1 != 0 ? kNetworkFlag1 : 0) | (flag2 != 0 ? kNetworkFlag2 : 0) |
                                               (flag3 != 0 ? kNetworkFlag3 : 0));
    return connection.SendCommand(terminal, &flags, command::kOsselNetwork, sizeof flags);
}

uint8_t ResultadoConfiguracaoRedeOssel(ConnectionManager& connection, int32_t terminal) {
    return ossel_offline_result(connection, terminal);
}

}  // namespace varanda::op
