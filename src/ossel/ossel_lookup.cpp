// Walking through and looking up the users of the Ossel module.
#include <cstring>

#include "comm/connection_manager.h"
#include "wire/byte_order.h"
#include "ossel/ossel_blocks.h"
#include "ossel/ossel_id.h"
#include "ossel/ossel_result.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace command = wire::command;

namespace {
constexpr int kRecordIdOffset = 2;
constexpr int32_t kSummarySize = 11;

bool valid_mode(uint8_t mode) { return mode == kOsselReadSummary || mode == kOsselReadRecord; }

uint8_t send_mode(ConnectionManager& connection, int32_t terminal, uint8_t mode, int32_t command) {
    if (!valid_mode(mode)) return rc::check_failed(0);
    return connection.SendCommand(terminal, &mode, command, sizeof mode);
}
}  // namespace

uint8_t LocalizarPrimeiroUsuarioOssel(ConnectionManager& connection, int32_t terminal, uint8_t mode) {
    return send_mode(connection, terminal, mode, command::kOsselFirst);
}

uint8_t LocalizarProximoUsuarioOssel(ConnectionManager& connection, int32_t terminal, uint8_t mode) {
    return send_mode(connection, terminal, mode, command::kOsselNext);
}

uint8_t SolicitarTotalUsuariosOssel(ConnectionManager& connection, int32_t terminal, uint8_t mode) {
    return send_mode(connection, terminal, mode, command::kOsselFirst);
}

uint8_t LocalizarUsuarioOssel(ConnectionManager& connection, int32_t terminal, uint8_t mode, uint8_t length,
                              const char* id) {
    if (id == nullptr || id[0] == '\0') return rc::check_failed(0);
    if (!valid_mode(mode)) return rc::check_failed(1);
    if (length == 0 || length > kOsselIdMaxText) return rc::check_failed(2);
    uint8_t request[2 + kOsselIdSize];
    request[0] = mode;
    request[1] = length;
    pack_ossel_id(id, &request[2]);
    return connection.SendCommand(terminal, request, command::kOsselLocate, sizeof request);
}

uint8_t ReceberUsuarioOssel(ConnectionManager& connection, int32_t terminal, uint8_t mode, uint8_t* value,
                            uint8_t* record, char* id) {
    if (!valid_mode(mode)) return rc::check_failed(0);
    if (mode == kOsselReadSummary && value == nullptr) return rc::bad_arg(2);
    if (mode == kOsselReadRecord && record == nullptr) return rc::bad_arg(3);
    if (id == nullptr) return rc::bad_arg(4);
    ReturnCode r = ossel_offline_result(connection, terminal);
    if (r != rc::kOk) return r;
    if (mode == kOsselReadRecord) {
        uint8_t work[kOsselUserRecordSize] = {};
        r = connection.ReceiveData(terminal, work, command::kOsselRecord, kOsselUserRecordSize);
        if (r == rc::kOk) {
            std::memcpy(record, work, kOsselUserRecordSize);
            unpack_ossel_id(&work[kRecordIdOffset], id);
        }
        return r;
    }
    uint8_t summary[kSummarySize];
    summary[0] = 0;
    std::memset(&summary[1], 0x0F, kSummarySize - 1);
    r = connection.ReceiveData(terminal, summary, command::kOsselSummary, kSummarySize);
    if (r == rc::kOk) {
        *value = summary[1];
        unpack_ossel_id(&summary[2], id);
    }
    return r;
}

uint8_t ReceberTotalUsuariosOssel(ConnectionManager& connection, int32_t terminal, int32_t* count) {
    if (count == nullptr) return rc::bad_arg(1);
    *count = 0;
    uint8_t answer[2] = {};
    const ReturnCode r = connection.ReceiveData(terminal, answer, command::kOsselTotal, sizeof answer);
    if (r == rc::kOk) *count = wire::get_u16_be(answer);
    return r;
}

}  // namespace varanda::op
