// The turnstile releases. A long release is followed by the entry forms
// record 0,0,9,0,0 so that the terminal keeps reading after the turn.
#include "api/facade.h"
#include "platform/system.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
struct Side {
    int32_t short_command;
    int32_t long_command;
};
constexpr Side kExit{23, 12};
constexpr Side kEntry{24, 13};
constexpr int32_t kBothDirections = 16;
constexpr uint32_t kSettleMs = 20;

uint8_t after_long_release(ApiFacade& f, int32_t terminal) {
    platform::sleep_ms(kSettleMs);
    return EnviarFormasEntradasOnLine(f, terminal, 0, 0, 9, 0, 0) == rc::kOk ? rc::kOk : rc::kFailed;
}

uint8_t release(ApiFacade& f, int32_t terminal, const Side& side) {
    ConnectionManager& c = f.connection();
    // Any failure of the short form, a closed port included, only selects the long form.
    if (f.protocol.short_turnstile != 0 && c.SendCommand(terminal, nullptr, side.short_command, 0) == rc::kOk)
        return rc::kOk;
    if (c.SendCommand(terminal, nullptr, side.long_command, 0) != rc::kOk) return rc::kFailed;
    return after_long_release(f, terminal);
}
}  // namespace

uint8_t LiberarCatracaEntrada(ApiFacade& f, int32_t t) { return release(f, t, kEntry); }
uint8_t LiberarCatracaSaida(ApiFacade& f, int32_t t) { return release(f, t, kExit); }
uint8_t LiberarCatracaEntradaInvertida(ApiFacade& f, int32_t t) { return release(f, t, kExit); }
uint8_t LiberarCatracaSaidaInvertida(ApiFacade& f, int32_t t) { return release(f, t, kEntry); }

uint8_t LiberarCatracaDoisSentidos(ApiFacade& f, int32_t terminal) {
    if (f.connection().SendCommand(terminal, nullptr, kBothDirections, 0) != rc::kOk) return rc::kFailed;
    return after_long_release(f, terminal);
}

}  // namespace varanda::op
