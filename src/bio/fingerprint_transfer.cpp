// One user's fingerprint record: asking, reading and sending.
#include <cstring>
#include <vector>

#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "bio/bio_id_field.h"
#include "bio/fingerprint_record.h"
#include "bio/pair_code.h"
#include "platform/system.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int kIdField = 16;
constexpr uint8_t kOneTemplateMark = 0xD8;  // the low byte of 472
constexpr int32_t kRecordInCommand = wire::command::kBioFingerprintAnswer;
constexpr int32_t kRecordOutCommand = wire::command::kBioFingerprint;
constexpr uint32_t kBeforeSendWaitMs = 5;
}  // namespace

uint8_t SolicitarDigitalUsuario(ConnectionManager& connection, int32_t terminal, const char* id) {
    if (!bio_id_usable(id)) return rc::check_failed(0);
    BioMessage request = bio_request(bio_sub::kUserQuery);
    write_bio_id_field(&request[1], kIdField, id);
    return send_bio_request(connection, terminal, request);
}

uint8_t ReceberRespostaRequisicaoBio(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                                     int32_t* size) {
    if (size == nullptr) return rc::bad_arg(1);
    BioMessage answer{};
    const ReturnCode r = bio_answer(connection, held_events, terminal, 0, bio_sub::kUserQuery, answer);
    if (r != rc::kOk) {
        *size = 0;
        return r;
    }
    *size = answer[2] == kOneTemplateMark ? kFingerprintRecordOne : kFingerprintRecordTwo;
    return rc::kOk;
}

uint8_t ReceberDigitalUsuario(ConnectionManager& connection, int32_t terminal, uint8_t* record, int32_t size) {
    if (record == nullptr) return rc::bad_arg(1);
    if (size < 1 || size > kFingerprintRecordTwo) return rc::bad_arg(2);
    uint8_t work[kFingerprintRecordTwo] = {};
    const ReturnCode r = connection.ReceiveData(terminal, work, kRecordInCommand, size);
    if (r == rc::kOk) std::memcpy(record, work, static_cast<size_t>(size));
    return r;
}

uint8_t EnviarDigitalUsuario(ConnectionManager& connection, int32_t terminal, const char* id, uint8_t* template1,
                             uint8_t* template2) {
    if (id == nullptr || strnlen(id, kPairCodeMaxText + 1) > static_cast<size_t>(kPairCodeMaxText))
        return rc::check_failed(0);
    if (template1 == nullptr) return rc::bad_arg(2);
    const std::vector<uint8_t> record = build_fingerprint_record(id, template1, template2, platform::local_time());
    platform::sleep_ms(kBeforeSendWaitMs);
    return connection.SendCommand(terminal, record.data(), kRecordOutCommand,
                                      static_cast<int32_t>(record.size()));
}

}  // namespace varanda::op
