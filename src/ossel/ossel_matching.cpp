// Template and PIN comparison, and the network options.
#include "api/facade.h"
#include "ossel/ossel_id.h"
#include "ossel/ossel_result.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr int32_t kCompareTemplateCommand = 170;
constexpr int32_t kTemplateSize = 220;
constexpr int32_t kComparePinCommand = 178;
constexpr int32_t kNetworkCommand = 179;
}  // namespace

uint8_t CompararTemplateOssel(ApiFacade& f, int32_t terminal, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(1);
    return f.connection().SendCommand(terminal, template_, kCompareTemplateCommand, kTemplateSize);
}

uint8_t ResultadoComparacaoTemplateOssel(ApiFacade& f, int32_t terminal) { return ossel_online_result(f, terminal); }

uint8_t CompararPINOssel(ApiFacade& f, int32_t terminal, const char* pin) {
    if (pin == nullptr || pin[0] == '\0') return 128;
    uint8_t request[1 + kOsselIdSize];
    request[0] = ossel_id_length(pin);
    pack_ossel_id(pin, &request[1]);
    return f.connection().SendCommand(terminal, request, kComparePinCommand, sizeof request);
}

uint8_t ResultadoComparacaoPINOssel(ApiFacade& f, int32_t terminal) { return ossel_online_result(f, terminal); }

uint8_t ConfigurarRedeOssel(ApiFacade& f, int32_t terminal, uint8_t flag1, uint8_t flag2, uint8_t flag3) {
    const uint8_t flags = static_cast<uint8_t>((flag1 != 0 ? 4 : 0) | (flag2 != 0 ? 8 : 0) | (flag3 != 0 ? 16 : 0));
    return f.connection().SendCommand(terminal, &flags, kNetworkCommand, 1);
}

uint8_t ResultadoConfiguracaoRedeOssel(ApiFacade& f, int32_t terminal) { return ossel_offline_result(f, terminal); }

}  // namespace varanda::op
