// The automatic online/offline change block: its setters and sending it
// (command 114).
#include "comm/connection_manager.h"
#include "online/online_offline_change_block.h"
#include "online/online_offline_entry_forms.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
using B = OnlineOfflineChangeBlock;
constexpr int32_t kCommand = wire::command::kOnlineChange;
constexpr uint8_t kMaxMode = 2;
constexpr uint8_t kMaxTime = 50;
}  // namespace

uint8_t HabilitarMudancaOnLineOffLine(OnlineOfflineChangeBlock& online_offline, uint8_t mode, uint8_t time) {
    if (time > kMaxTime) return rc::bad_arg(0);  // 128 although time is the second argument
    online_offline.bytes[B::kMode] = mode > kMaxMode ? 0 : mode;
    online_offline.bytes[B::kTime] = time;
    return rc::kOk;
}

uint8_t DefinirEntradasMudancaOffLine(OnlineOfflineChangeBlock& online_offline, uint8_t first, uint8_t second,
                                      uint8_t third, uint8_t /*fourth*/) {
    if (ReturnCode c = check_offline_entry_forms(second, third); c != rc::kOk) return c;
    online_offline.bytes[B::kOfflineForms] = offline_entry_forms(first, second, third);
    return rc::kOk;
}

uint8_t DefinirEntradasMudancaOffLineComBiometria(OnlineOfflineChangeBlock& online_offline, uint8_t first,
                                                  uint8_t second, uint8_t third, uint8_t fourth, uint8_t fifth) {
    if (ReturnCode c = check_offline_entry_forms(second, third); c != rc::kOk) return c;
    online_offline.bytes[B::kOfflineForms] = offline_entry_forms_bio(first, second, third, fourth, fifth);
    return rc::kOk;
}

uint8_t DefinirEntradasMudancaOnLine(OnlineOfflineChangeBlock& online_offline, uint8_t forms) {
    online_offline.bytes[B::kOnlineForms] = forms;
    return rc::kOk;
}

uint8_t DefinirConfiguracaoTecladoOnLine(OnlineOfflineChangeBlock& online_offline, uint8_t s1, uint8_t s2, uint8_t s3,
                                         uint8_t s4) {
    const uint8_t value[] = {s1, s2, s3, s4};
    constexpr uint8_t kLimit[] = {20, 2, 50, 32};
    constexpr int kOffset[] = {B::kKeypad1, B::kKeypad2, B::kKeypad3, B::kKeypad4};
    for (int i = 0; i < 4; ++i) {
        if (value[i] > kLimit[i]) return rc::bad_arg(i);
    }
    for (int i = 0; i < 4; ++i) online_offline.bytes[kOffset[i]] = value[i];
    return rc::kOk;
}

uint8_t DefinirMensagemPadraoMudancaOnLine(OnlineOfflineChangeBlock& online_offline, uint8_t second_line,
                                           const char* text) {
    format_display_message(display_slot(online_offline.bytes, B::kOnlineMessage), second_line, text);
    return rc::kOk;
}

uint8_t DefinirMensagemPadraoMudancaOffLine(OnlineOfflineChangeBlock& online_offline, uint8_t second_line,
                                            const char* text) {
    format_display_message(display_slot(online_offline.bytes, B::kOfflineMessage), second_line, text);
    return rc::kOk;
}

uint8_t EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(ConnectionManager& connection,
                                                          OnlineOfflineChangeBlock& online_offline, int32_t terminal) {
    return connection.SendCommand(terminal, online_offline.bytes.data(), kCommand, B::kSize);
}

}  // namespace varanda::op
