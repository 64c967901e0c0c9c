// The offline message table: its setters, sending it (command 106) and
// clearing it.
#include "comm/connection_manager.h"
#include "config/offline_message_table.h"
#include "config/consuming_send.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
using T = OfflineMessageTable;
constexpr int32_t kCommand = wire::command::kSetMessages;

uint8_t format_slot(OfflineMessageTable& offline_messages, int slot, uint8_t second_line, const char* text) {
    format_display_message(offline_messages.slot(slot), second_line, text);
    return rc::kOk;
}
}  // namespace

uint8_t DefinirMensagemEntradaOffLine(OfflineMessageTable& offline_messages, uint8_t second_line, const char* text) {
    return format_slot(offline_messages, T::kEntrySlot, second_line, text);
}
uint8_t DefinirMensagemSaidaOffLine(OfflineMessageTable& offline_messages, uint8_t second_line, const char* text) {
    return format_slot(offline_messages, T::kExitSlot, second_line, text);
}
uint8_t DefinirMensagemPadraoOffLine(OfflineMessageTable& offline_messages, uint8_t second_line, const char* text) {
    return format_slot(offline_messages, T::kDefaultSlot, second_line, text);
}

uint8_t DefinirMensagemFuncaoOffLine(OfflineMessageTable& offline_messages, const char* text, uint8_t function,
                                     uint8_t enabled) {
    if (function >= T::kFunctions) return rc::bad_arg(0);
    const int slot = T::kFirstFunctionSlot + function;
    format_slot(offline_messages, slot, 0, text);
    if (enabled == 0) offline_messages.slot(slot)[0] = display_message::kDisabled;
    return rc::kOk;
}

uint8_t HabilitarScoreMensagemOffLine(OfflineMessageTable& offline_messages, int32_t /*unused*/, uint8_t slot,
                                      uint8_t enabled) {
    if (slot > 1) return rc::bad_arg(0);
    offline_messages.slot(slot)[0] = enabled != 0 ? display_message::kScore : display_message::kSecondLine;
    return rc::kOk;
}

uint8_t EnviarMensagensOffLine(ConnectionManager& connection, OfflineMessageTable& offline_messages, int32_t terminal) {
    return send_and_reset(connection, terminal, offline_messages, kCommand);
}

uint8_t ApagarMensagensOffLine(ConnectionManager& connection, OfflineMessageTable& offline_messages, int32_t terminal) {
    offline_messages.reset();
    return EnviarMensagensOffLine(connection, offline_messages, terminal);
}

}  // namespace varanda::op
