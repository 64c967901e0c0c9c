// Model, version and user-count queries, and the identifier-form flags.
#include "bio/bio_id_form.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "bio/packed_decimal.h"
#include "platform/system.h"
#include "wire/byte_order.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr int kUserCountTries = 12;
constexpr uint32_t kUserCountWaitMs = 40;
}  // namespace

uint8_t SolicitarModeloBio(ConnectionManager& connection, int32_t terminal) {
    return send_bio_request(connection, terminal, bio_request(bio_sub::kModel));
}

uint8_t ReceberModeloBio(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                         uint8_t online, int32_t* model) {
    if (model == nullptr) return rc::bad_arg(2);
    *model = 0;
    BioMessage answer{};
    const ReturnCode r = bio_answer(connection, held_events, terminal, online, bio_sub::kModel, answer);
    if (r == rc::kOk) *model = answer[1];
    return r;
}

uint8_t SolicitarVersaoBio(ConnectionManager& connection, int32_t terminal) {
    return send_bio_request(connection, terminal, bio_request(bio_sub::kVersion));
}

uint8_t ReceberVersaoBio(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                         uint8_t online, int32_t* major, int32_t* minor) {
    if (major == nullptr) return rc::bad_arg(2);
    if (minor == nullptr) return rc::bad_arg(3);
    *major = 0;
    *minor = 0;
    BioMessage answer{};
    const ReturnCode r = bio_answer(connection, held_events, terminal, online, bio_sub::kVersion, answer);
    if (r == rc::kOk) {
        *major = read_packed_decimal(answer[1]);
        *minor = read_packed_decimal(answer[2]);
    }
    return r;
}

uint8_t SolicitarQuantidadeUsuariosBio(ConnectionManager& connection, int32_t terminal) {
    return send_bio_request(connection, terminal, bio_request(bio_sub::kUserCount));
}

uint8_t ReceberQuantidadeUsuariosBio(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                                     uint8_t online, int32_t* count) {
    if (count == nullptr) return rc::bad_arg(2);
    ReturnCode r = rc::kFailed;
    BioMessage answer{};
    for (int attempt = 0; attempt < kUserCountTries; ++attempt) {
        r = bio_answer(connection, held_events, terminal, online, bio_sub::kUserCount, answer);
        platform::sleep_ms(kUserCountWaitMs);
        if (r == rc::kOk) {
            *count = wire::get_u16_be(&answer[1]);
            break;
        }
    }
    return r;
}

int32_t SetarBioLight(BioIdForm& bio_id_form, int32_t value) {
    bio_id_form.light = value != 0 ? 1 : 0;
    return bio_id_form.light;
}

int32_t SetarBioVariavel(BioIdForm& bio_id_form, int32_t value) {
    bio_id_form.variable = value != 0 ? 1 : 0;
    return bio_id_form.variable;
}

}  // namespace varanda::op
