// Adding and deleting users of the Ossel module.
#include <cstring>

#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "ossel/ossel_blocks.h"
#include "ossel/ossel_id.h"
#include "ossel/ossel_result.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace command = wire::command;

namespace {
constexpr uint8_t kEnrolAtReader = 1;  // the enrolment request's one byte
constexpr int kDeleteAllSize = 11;
constexpr size_t kDeleteAllMaxText = 10;
}  // namespace

uint8_t IncluirUsuarioOssel(ConnectionManager& connection, int32_t terminal, uint8_t* record) {
    if (record == nullptr) return rc::bad_arg(1);
    return connection.SendCommand(terminal, record, command::kOsselAddUser, kOsselUserRecordSize);
}

uint8_t ResultadoInclusaoUsuarioOssel(ConnectionManager& connection, int32_t terminal) {
    return ossel_offline_result(connection, terminal);
}

uint8_t CriarUsuarioLeitorOssel(ConnectionManager& connection, int32_t terminal) {
    const uint8_t request = kEnrolAtReader;
    return connection.SendCommand(terminal, &request, command::kOsselEnrol, sizeof request);
}

uint8_t ResultadoInclusaoUsuarioLeitorOssel(ConnectionManager& connection, HeldOnlineEvents& held_events,
                                            int32_t terminal, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(1);
    ReturnCode r = ossel_online_result(connection, held_events, terminal);
    if (r != rc::kOk) return r;
    uint8_t work[kOsselTemplateSize] = {};
    r = connection.ReceiveData(terminal, work, command::kOsselTemplateAnswer, kOsselTemplateSize);
    if (r == rc::kOk) std::memcpy(template_, work, kOsselTemplateSize);
    return r;
}

uint8_t ApagarUsuarioOssel(ConnectionManager& connection, int32_t terminal, const char* id) {
    if (id == nullptr || id[0] == '\0') return rc::check_failed(0);
    const OsselIdRequest request = ossel_id_request(id);
    return connection.SendCommand(terminal, request.data(), command::kOsselErase, request.size());
}

uint8_t ResultadoExclusaoUsuarioOssel(ConnectionManager& connection, int32_t terminal) {
    return ossel_offline_result(connection, terminal);
}

uint8_t ApagarTodosUsuariosOssel(ConnectionManager& connection, int32_t terminal, const char* text) {
    if (text == nullptr) return rc::check_failed(0);
    uint8_t request[kDeleteAllSize] = {};
    const size_t n = strnlen(text, kDeleteAllMaxText);
    request[0] = static_cast<uint8_t>(n);
    std::memcpy(&request[1], text, n);
    return connection.SendCommand(terminal, request, command::kOsselEraseAll, kDeleteAllSize);
}

uint8_t ResultadoExclusaoTodosUsuariosOssel(ConnectionManager& connection, int32_t terminal) {
    return ossel_offline_result(connection, terminal);
}

}  // namespace varanda::op
