// Templates from the reader and comparison with the reader.
#include <cstring>

#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "bio/fingerprint_record.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kTemplateCommand = wire::command::kBioTemplateAnswer;
constexpr int32_t kCompareCommand = wire::command::kBioCompare;
constexpr int32_t kTemplateSize = kFingerprintTemplateSize;

ReturnCode receive_template(ConnectionManager& connection, int32_t terminal, uint8_t* out) {
    uint8_t work[kTemplateSize] = {};
    const ReturnCode r = connection.ReceiveData(terminal, work, kTemplateCommand, kTemplateSize);
    if (r == rc::kOk) std::memcpy(out, work, kTemplateSize);
    return r;
}
}  // namespace

uint8_t SolicitarTemplateLeitor(ConnectionManager& connection, int32_t terminal) {
    return send_bio_request(connection, terminal, bio_request(bio_sub::kTemplate));
}

uint8_t ReceberTemplateLeitor(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                              uint8_t online, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(2);
    BioMessage answer{};
    ReturnCode r = bio_answer(connection, held_events, terminal, online, bio_sub::kTemplate, answer);
    if (r == rc::kOk) r = receive_template(connection, terminal, template_);
    return r == rc::kFailed ? kBioNoAnswer : r;
}

uint8_t ReceberTemplateCapturadoCorvo(ConnectionManager& connection, int32_t terminal, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(1);
    return receive_template(connection, terminal, template_);
}

uint8_t CompararDigitalLeitor(ConnectionManager& connection, int32_t terminal, uint8_t* template_) {
    if (template_ == nullptr) return rc::bad_arg(1);
    return connection.SendCommand(terminal, template_, kCompareCommand, kTemplateSize);
}

uint8_t ResultadoComparacaoDigitalLeitor(ConnectionManager& connection, HeldOnlineEvents& held_events,
                                         int32_t terminal, uint8_t online) {
    BioMessage answer{};
    return bio_answer(connection, held_events, terminal, online, bio_sub::kBlockAnswer, answer);
}

}  // namespace varanda::op
