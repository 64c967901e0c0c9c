// Display messages sent at once to an online terminal (command 104), and
// reading the terminal's offline message table (command 206).
#include <algorithm>
#include <array>

#include "comm/connection_manager.h"
#include "config/display_message.h"
#include "config/offline_message_table.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kMessageCommand = wire::command::kDisplay;
constexpr int32_t kReadTableCommand = wire::command::kGetMessages;
constexpr uint8_t kStandard = 0xFF;  // 33rd byte of a standard message

uint8_t send_message(ConnectionManager& connection, int32_t terminal, uint8_t second_line, const char* text,
                     uint8_t last) {
    std::array<uint8_t, display_message::kSize + 1> payload;
    format_display_message(DisplayMessageSlot(payload.data(), display_message::kSize), second_line, text);
    payload[display_message::kSize] = last;
    return connection.SendCommand(terminal, payload.data(), kMessageCommand, static_cast<int32_t>(payload.size()));
}
}  // namespace

uint8_t EnviarMensagemPadraoOnLine(ConnectionManager& connection, int32_t terminal, uint8_t second_line,
                                   const char* text) {
    return send_message(connection, terminal, second_line, text, kStandard);
}

uint8_t EnviarMensagemTemporariaOnLine(ConnectionManager& connection, int32_t terminal, uint8_t second_line,
                                       const char* text, uint8_t time) {
    return send_message(connection, terminal, second_line, text, time);
}

uint8_t ReceberBufferMsgA(ConnectionManager& connection, int32_t terminal, uint8_t* buffer) {
    if (buffer == nullptr) return rc::bad_arg(1);
    // Read into a local table, so that a failed exchange leaves the caller's buffer as it was.
    std::array<uint8_t, OfflineMessageTable::kSize> answer{};
    const ReturnCode result =
        connection.ReceiveData(terminal, answer.data(), kReadTableCommand, OfflineMessageTable::kSize);
    if (result == rc::kOk) std::copy(answer.begin(), answer.end(), buffer);
    return result;
}

uint8_t GetBufferMsgDLL(int32_t, int32_t) { return 255; }

}  // namespace varanda::op
