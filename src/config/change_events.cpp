// The change-event block: presentation messages, change times, arrow keys,
// and sending it (command 134).
#include "comm/connection_manager.h"
#include "config/change_event_block.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
using B = ChangeEventBlock;
constexpr int32_t kCommand = wire::command::kChangeEvents;

bool valid_hour(uint8_t v) { return v <= 23 || v == B::kNoTime; }
bool valid_minute(uint8_t v) { return v <= 59 || v == B::kNoTime; }

// Hours first (offsets 0, 2, 4), then minutes (1, 3, 5); each accepted value
// is stored at once, and the first bad one ends the call.
uint8_t set_times(ChangeEventBlock& change_events, int base, const uint8_t (&v)[6]) {
    for (int i = 0; i < 6; i += 2) {
        if (!valid_hour(v[i])) return rc::bad_arg(0);
        change_events.bytes[base + i] = v[i];
    }
    for (int i = 1; i < 6; i += 2) {
        if (!valid_minute(v[i])) return rc::bad_arg(1);
        change_events.bytes[base + i] = v[i];
    }
    return rc::kOk;
}
}  // namespace

uint8_t DefinirMensagemApresentacaoEntrada(ChangeEventBlock& change_events, uint8_t second_line, const char* text) {
    format_display_message(display_slot(change_events.bytes, B::kEntryMessage), second_line, text);
    return rc::kOk;
}
uint8_t DefinirMensagemApresentacaoSaida(ChangeEventBlock& change_events, uint8_t second_line, const char* text) {
    format_display_message(display_slot(change_events.bytes, B::kExitMessage), second_line, text);
    return rc::kOk;
}

uint8_t InserirHorarioMudancaEntrada(ChangeEventBlock& change_events, uint8_t h1, uint8_t m1, uint8_t h2, uint8_t m2,
                                     uint8_t h3, uint8_t m3) {
    return set_times(change_events, B::kEntryTimes, {h1, m1, h2, m2, h3, m3});
}
uint8_t InserirHorarioMudancaSaida(ChangeEventBlock& change_events, uint8_t h1, uint8_t m1, uint8_t h2, uint8_t m2,
                                   uint8_t h3, uint8_t m3) {
    return set_times(change_events, B::kExitTimes, {h1, m1, h2, m2, h3, m3});
}

uint8_t HabilitaMudancaEventoSeta(ChangeEventBlock& change_events, uint8_t enable) {
    change_events.bytes[B::kArrowKeys] = enable != 0 ? 1 : 0;
    return rc::kOk;
}

uint8_t EnviarBufferEventosMudancaAuto(ConnectionManager& connection, ChangeEventBlock& change_events,
                                       int32_t terminal) {
    return connection.SendCommand(terminal, change_events.bytes.data(), kCommand, B::kSize);
}

}  // namespace varanda::op
