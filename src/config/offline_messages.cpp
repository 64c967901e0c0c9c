// The offline message table: its setters, sending it (command 106) and
// clearing it.
#include "api/facade.h"
#include "config/consuming_send.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
using T = OfflineMessageTable;
constexpr int32_t kCommand = 106;

uint8_t format_slot(ApiFacade& f, int slot, uint8_t second_line, const char* text) {
    format_display_message(f.offline_messages.slot(slot), second_line, text);
    return rc::kOk;
}
}  // namespace

uint8_t DefinirMensagemEntradaOffLine(ApiFacade& f, uint8_t second_line, const char* text) {
    return format_slot(f, T::kEntrySlot, second_line, text);
}
uint8_t DefinirMensagemSaidaOffLine(ApiFacade& f, uint8_t second_line, const char* text) {
    return format_slot(f, T::kExitSlot, second_line, text);
}
uint8_t DefinirMensagemPadraoOffLine(ApiFacade& f, uint8_t second_line, const char* text) {
    return format_slot(f, T::kDefaultSlot, second_line, text);
}

uint8_t DefinirMensagemFuncaoOffLine(ApiFacade& f, const char* text, uint8_t function, uint8_t enabled) {
    if (function >= T::kFunctions) return rc::bad_arg(0);
    const int slot = T::kFirstFunctionSlot + function;
    format_slot(f, slot, 0, text);
    if (enabled == 0) f.offline_messages.slot(slot)[0] = display_message::kDisabled;
    return rc::kOk;
}

uint8_t HabilitarScoreMensagemOffLine(ApiFacade& f, int32_t /*unused*/, uint8_t slot, uint8_t enabled) {
    if (slot > 1) return rc::bad_arg(0);
    f.offline_messages.slot(slot)[0] = enabled != 0 ? display_message::kScore : display_message::kSecondLine;
    return rc::kOk;
}

uint8_t EnviarMensagensOffLine(ApiFacade& f, int32_t terminal) {
    return send_and_reset(f.connection(), terminal, f.offline_messages, kCommand);
}

uint8_t ApagarMensagensOffLine(ApiFacade& f, int32_t terminal) {
    f.offline_messages.reset();
    return EnviarMensagensOffLine(f, terminal);
}

}  // namespace varanda::op
