// The turnstile releases. A long release is followed by the entry forms
// record 0,0,9,0,0 so that the terminal keeps reading after the turn.
#include "comm/connection_manager.h"
#include "core/settings_view.h"
#include "platform/system.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
struct Side {
    int32_t short_command;
    int32_t long_command;
};
constexpr Side kExit{wire::command::kTurnstileExitToo, wire::command::kTurnstileExit};
constexpr Side kEntry{wire::command::kTurnstileEntryToo, wire::command::kTurnstileEntry};
constexpr int32_t kBothDirections = wire::command::kTurnstileBoth;
constexpr uint32_t kSettleMs = 20;

uint8_t after_long_release(ConnectionManager& connection, int32_t terminal) {
    platform::sleep_ms(kSettleMs);
    return EnviarFormasEntradasOnLine(connection, terminal, 0, 0, 9, 0, 0) == rc::kOk ? rc::kOk : rc::kFailed;
}

uint8_t release(ConnectionManager& connection, const SettingsView& settings, int32_t terminal, const Side& side) {
    // Any failure of the short form, a closed port included, only selects the long form.
    if (settings.short_turnstile && connection.SendCommand(terminal, nullptr, side.short_command, 0) == rc::kOk)
        return rc::kOk;
    if (connection.SendCommand(terminal, nullptr, side.long_command, 0) != rc::kOk) return rc::kFailed;
    return after_long_release(connection, terminal);
}
}  // namespace

uint8_t LiberarCatracaEntrada(ConnectionManager& connection, const SettingsView& settings, int32_t t) {
    return release(connection, settings, t, kEntry);
}
uint8_t LiberarCatracaSaida(ConnectionManager& connection, const SettingsView& settings, int32_t t) {
    return release(connection, settings, t, kExit);
}
uint8_t LiberarCatracaEntradaInvertida(ConnectionManager& connection, const SettingsView& settings, int32_t t) {
    return release(connection, settings, t, kExit);
}
uint8_t LiberarCatracaSaidaInvertida(ConnectionManager& connection, const SettingsView& settings, int32_t t) {
    return release(connection, settings, t, kEntry);
}

uint8_t LiberarCatracaDoisSentidos(ConnectionManager& connection, int32_t terminal) {
    if (connection.SendCommand(terminal, nullptr, kBothDirections, 0) != rc::kOk) return rc::kFailed;
    return after_long_release(connection, terminal);
}

}  // namespace varanda::op
