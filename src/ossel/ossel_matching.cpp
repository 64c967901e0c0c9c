// Template and PIN comparison, and the network options.
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "ossel/ossel_id.h"
#include "ossel/ossel_result.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kCompareTemplateCommand = wire::command::kOsselCompare;
constexpr int32_t kTemplateSize = 220;
constexpr int32_t kComparePinCommand = wire::command::kOsselComparePin;
constexpr int32_t kNetworkCommand = wire::command::kOsselNetwork;
}  // namespace

uint8_t CompararTemplateOssel(ConnectionManager& connection, int32_t terminal, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(1);
    return connection.SendCommand(terminal, template_, kCompareTemplateCommand, kTemplateSize);
}

uint8_t ResultadoComparacaoTemplateOssel(ConnectionManager& connection, HeldOnlineEvents& held_events,
                                         int32_t terminal) {
    return ossel_online_result(connection, held_events, terminal);
}

uint8_t CompararPINOssel(ConnectionManager& connection, int32_t terminal, const char* pin) {
    if (pin == nullptr || pin[0] == '\0') return rc::check_failed(0);
    uint8_t request[1 + kOsselIdSize];
    request[0] = ossel_id_length(pin);
    pack_ossel_id(pin, &request[1]);
    return connection.SendCommand(terminal, request, kComparePinCommand, sizeof request);
}

uint8_t ResultadoComparacaoPINOssel(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal) {
    return ossel_online_result(connection, held_events, terminal);
}

uint8_t ConfigurarRedeOssel(ConnectionManager& connection, int32_t terminal, uint8_t flag1, uint8_t flag2,
                            uint8_t flag3) {
    const uint8_t flags = static_cast<uint8_t>((flag1 != 0 ? 4 : 0) | (flag2 != 0 ? 8 : 0) | (flag3 != 0 ? 16 : 0));
    return connection.SendCommand(terminal, &flags, kNetworkCommand, sizeof flags);
}

uint8_t ResultadoConfiguracaoRedeOssel(ConnectionManager& connection, int32_t terminal) {
    return ossel_offline_result(connection, terminal);
}

}  // namespace varanda::op
