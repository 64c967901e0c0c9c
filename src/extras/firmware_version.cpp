// ReceberVersaoFirmware: the 16-byte answer 250.
#include <algorithm>
#include <iterator>

#include "comm/connection_manager.h"
#include "varanda_ops.h"
#include "wire/byte_order.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kCommand = wire::command::kFirmware;
constexpr int32_t kSize = 16;
constexpr uint8_t kModelWithByte6 = 14;  // only this first byte gives meaning to byte 6
}  // namespace

uint8_t ReceberVersaoFirmware(ConnectionManager& connection, int32_t terminal, uint8_t* byte0, uint16_t* version,
                              uint8_t* byte3, uint8_t* byte4, uint8_t* byte5, uint8_t* byte6) {
    if (byte0 == nullptr) return rc::bad_arg(1);
    if (version == nullptr) return rc::bad_arg(2);
    uint8_t* rest[] = {byte3, byte4, byte5, byte6};
    for (int i = 0; i < 4; ++i)
        if (rest[i] == nullptr) return rc::bad_arg(3 + i);

    uint8_t answer[kSize] = {};
    const ReturnCode code = connection.ReceiveData(terminal, answer, kCommand, kSize);
    if (code != rc::kOk) std::fill(std::begin(answer), std::end(answer), uint8_t{0});
    *byte0 = answer[0];
    *version = wire::get_u16_le(&answer[1]);
    for (int i = 0; i < 4; ++i) *rest[i] = answer[3 + i];
    if (answer[0] != kModelWithByte6) *byte6 = 0;
    return code;
}

}  // namespace varanda::op
