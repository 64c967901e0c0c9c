// EnviarFormasEntradasOnLine and the two printer messages.
#include "comm/connection_manager.h"
#include "online/entry_forms_record.h"
#include "online/printer_message.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kPrinter00Command = wire::command::kPrint;
constexpr int32_t kPrinterFFCommand = wire::command::kPrintMarked;

uint8_t print(ConnectionManager& connection, int32_t terminal, const char* text, int32_t command, uint8_t marker) {
    const PrinterMessage message(text, marker);
    return connection.SendCommand(terminal, message.bytes.data(), command, PrinterMessage::kSize);
}
}  // namespace

uint8_t EnviarFormasEntradasOnLine(ConnectionManager& connection, int32_t terminal, uint8_t keypad1, uint8_t keypad2,
                                   uint8_t forms, uint8_t keypad3, uint8_t keypad4) {
    const EntryFormsRecord record{{keypad1, keypad2, forms, keypad3, keypad4}};
    if (ReturnCode c = record.check(); c != rc::kOk) return c;
    return connection.SendCommand(terminal, record.bytes.data(), EntryFormsRecord::kCommand,
                                      EntryFormsRecord::kSize);
}

uint8_t EnviarMensagemImpressora00(ConnectionManager& connection, int32_t terminal, const char* text) {
    return print(connection, terminal, text, kPrinter00Command, 0x00);
}

uint8_t EnviarMensagemImpressoraFF(ConnectionManager& connection, int32_t terminal, const char* text) {
    return print(connection, terminal, text, kPrinterFFCommand, 0xFF);
}

}  // namespace varanda::op
