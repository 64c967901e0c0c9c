// A whole user record sent to the module, and the module's two options.
#include <cstring>

#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "platform/system.h"
#include "varanda_ops.h"
#include "wire/bcd_timestamp.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kUserRecordCommand = wire::command::kBioUserRecord;
constexpr int kUserRecordSize = kBioUserRecordSize;
constexpr int kCallerRecordSize = kUserRecordSize - wire::kBcdTimestampSize;  // 836
}  // namespace

uint8_t EnviarUsuarioBio(ConnectionManager& connection, int32_t terminal, uint8_t* record) {
    if (record == nullptr) return rc::bad_arg(1);
    uint8_t work[kUserRecordSize];
    std::memcpy(work, record, kCallerRecordSize);
    wire::write_bcd_timestamp(platform::local_time(), work + kCallerRecordSize);
    return connection.SendCommand(terminal, work, kUserRecordCommand, kUserRecordSize);
}

uint8_t UsuarioFoiEnviado(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                          uint8_t online) {
    BioMessage answer{};
    return bio_answer(connection, held_events, terminal, online, bio_sub::kBlockAnswer, answer);
}

uint8_t ConfigurarBio(ConnectionManager& connection, int32_t terminal, uint8_t option1, uint8_t option2) {
    BioMessage request = bio_request(bio_sub::kConfigure);
    request[1] = option1 != 0 ? 1 : 0;
    request[2] = option2 != 0 ? 1 : 0;
    return send_bio_request(connection, terminal, request);
}

uint8_t ResultadoConfiguracaoBio(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                                 uint8_t online) {
    BioMessage answer{};
    return bio_answer(connection, held_events, terminal, online, bio_sub::kConfigure, answer);
}

}  // namespace varanda::op
