// Enrolment at the reader, verification and identification.
#include <cstring>

#include "bio/bio_id_form.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "bio/bio_id_field.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr uint8_t kMaxEnrolOption = 2;
}  // namespace

uint8_t InserirUsuarioLeitorBio(ConnectionManager& connection, BioIdForm& bio_id_form, int32_t terminal,
                                uint8_t option, const char* id) {
    if (!bio_id_usable(id)) return rc::check_failed(0);
    if (option > kMaxEnrolOption) return rc::check_failed(1);
    const BioIdFormKind form = choose_bio_id_form(bio_id_form);
    BioMessage request = bio_request(bio_sub::kEnrol);
    if (form == BioIdFormKind::Variable) {
        // The 16-character field starts at byte 1, over the option byte.
        write_bio_id_field(&request[1], bio_id_width(form), id);
    } else {
        request[1] = option;
        write_bio_id_field(&request[2], bio_id_width(form), id);
    }
    clear_bio_id_flag(bio_id_form, form);
    return send_bio_request(connection, terminal, request);
}

uint8_t ResultadoInsercaoUsuarioLeitorBio(ConnectionManager& connection, HeldOnlineEvents& held_events,
                                          int32_t terminal, uint8_t online) {
    BioMessage answer{};
    return bio_answer(connection, held_events, terminal, online, bio_sub::kBlockAnswer, answer);
}

uint8_t FazerVerificacaoBiometricaBio(ConnectionManager& connection, BioIdForm& bio_id_form, int32_t terminal,
                                      const char* id) {
    if (!bio_id_usable(id)) return rc::check_failed(0);
    const BioIdFormKind form = choose_bio_id_form(bio_id_form, false);
    BioMessage request = bio_request(bio_sub::kVerify);
    write_bio_id_field(&request[1], bio_id_width(form), id);
    clear_bio_id_flag(bio_id_form, form);
    return send_bio_request(connection, terminal, request);
}

uint8_t ResultadoVerificacaoBiometrica(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                                       uint8_t online) {
    BioMessage answer{};
    return bio_answer(connection, held_events, terminal, online, bio_sub::kVerify, answer);
}

uint8_t FazerIdentificacaoBiometricaBio(ConnectionManager& connection, int32_t terminal) {
    return send_bio_request(connection, terminal, bio_request(bio_sub::kIdentify));
}

uint8_t ResultadoIdentificacaoBiometrica(ConnectionManager& connection, HeldOnlineEvents& held_events,
                                         int32_t terminal, uint8_t online, uint8_t* result) {
    if (result == nullptr) return rc::bad_arg(2);
    BioMessage answer{};
    const ReturnCode r = bio_answer(connection, held_events, terminal, online, bio_sub::kIdentify, answer);
    if (r == rc::kOk) std::memcpy(result, &answer[1], 16);
    return r;
}

}  // namespace varanda::op
