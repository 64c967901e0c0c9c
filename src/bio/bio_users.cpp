// Query and deletion of one enrolled user.
#include <cstring>

#include "bio/bio_id_form.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "bio/bio_id_field.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kUserRecordCommand = wire::command::kBioUserRecordAnswer;
constexpr int32_t kUserRecordSize = kBioUserRecordSize;

// The identifier in bytes 1..16 in the form the flags choose. `clear_variable`
// says whether the variable form's flag is cleared after use (the light
// form's always is).
uint8_t request_with_id(ConnectionManager& connection, BioIdForm& bio_id_form, int32_t terminal, uint8_t sub,
                        const char* id, bool clear_variable) {
    if (!bio_id_usable(id)) return rc::check_failed(0);
    const BioIdFormKind form = choose_bio_id_form(bio_id_form);
    BioMessage request = bio_request(sub);
    write_bio_id_field(&request[1], bio_id_width(form), id);
    if (form == BioIdFormKind::Light || clear_variable) clear_bio_id_flag(bio_id_form, form);
    return send_bio_request(connection, terminal, request);
}
}  // namespace

uint8_t SolicitarUsuarioCadastradoBio(ConnectionManager& connection, BioIdForm& bio_id_form, int32_t terminal,
                                      const char* id) {
    return request_with_id(connection, bio_id_form, terminal, bio_sub::kUserQuery, id, false);
}

uint8_t ReceberUsuarioCadastradoBio(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                                    uint8_t online, uint8_t* record) {
    if (record == nullptr) return rc::bad_arg(2);
    BioMessage answer{};
    ReturnCode r = bio_answer(connection, held_events, terminal, online, bio_sub::kUserQuery, answer);
    if (r != rc::kOk) return r;
    uint8_t work[kUserRecordSize] = {};
    r = connection.ReceiveData(terminal, work, kUserRecordCommand, kUserRecordSize);
    if (r == rc::kOk) std::memcpy(record, work, kUserRecordSize);
    return r;
}

uint8_t SolicitarExclusaoUsuario(ConnectionManager& connection, BioIdForm& bio_id_form, int32_t terminal,
                                 const char* id) {
    return request_with_id(connection, bio_id_form, terminal, bio_sub::kUserDelete, id, true);
}

uint8_t UsuarioFoiExcluido(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                           uint8_t online) {
    BioMessage answer{};
    return bio_answer(connection, held_events, terminal, online, bio_sub::kUserDelete, answer);
}

}  // namespace varanda::op
