// ColetarBilhete and ReceberQuantidadeBilhetes.
#include <cstring>

#include "collect/last_punch.h"
#include "comm/connection_manager.h"
#include "core/settings_view.h"
#include "collect/punch_record.h"
#include "varanda_ops.h"
#include "wire/byte_order.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kCountCommand = wire::command::kPunchCount;
constexpr ReturnCode kRepeated = 128;
}  // namespace

uint8_t ColetarBilhete(ConnectionManager& connection, LastPunch& last_punch, const SettingsView& settings,
                       int32_t terminal, uint8_t* type, uint8_t* day, uint8_t* month, uint8_t* year, uint8_t* hour,
                       uint8_t* minute, char* card) {
    uint8_t* header[PunchRecord::kHeaderSize] = {type, day, month, year, hour, minute};
    for (int i = 0; i < PunchRecord::kHeaderSize; ++i)
        if (header[i] == nullptr) return rc::bad_arg(i + 1);
    if (card == nullptr) return rc::bad_arg(7);

    PunchRecord record;
    record.card_pattern = settings.card_pattern;
    if (ReturnCode c = connection.ReceiveDataNoReply(terminal, record.bytes.data(), PunchRecord::kCommand,
                                               PunchRecord::size_for(record.card_pattern));
        c != rc::kOk)
        return c;

    const LastPunch::Id id = record.id();
    if (last_punch.is_repeat(terminal, id)) return kRepeated;
    last_punch.remember(terminal, id);
    // The serial COM component answers an empty memory with an all-zero record.
    if (connection.GetConnectionType() == connection_type::kSerialCom && record.header_is_zero()) return rc::kFailed;

    const auto text = record.card_text();
    for (int i = 0; i < PunchRecord::kHeaderSize; ++i) *header[i] = record.bytes[i];
    std::memcpy(card, text.data(), text.size());
    return rc::kOk;
}

uint8_t ReceberQuantidadeBilhetes(ConnectionManager& connection, int32_t terminal, int32_t* count) {
    if (count == nullptr) return rc::bad_arg(1);
    uint8_t answer[2] = {0, 0};
    const ReturnCode c = connection.ReceiveData(terminal, answer, kCountCommand, sizeof answer);
    *count = c == rc::kOk ? wire::get_u16_be(answer) : 0;
    return c;
}

}  // namespace varanda::op
