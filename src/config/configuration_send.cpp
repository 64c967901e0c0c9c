// Sending the configuration record (command 100), copying it out, and reading
// a terminal's own record back (command 200).
#include <algorithm>
#include <array>

#include "comm/connection_manager.h"
#include "config/configuration_record.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kSendCommand = wire::command::kSetConfig;
constexpr int32_t kReadCommand = wire::command::kGetConfig;
}  // namespace

uint8_t EnviarConfiguracoes(ConnectionManager& connection, ConfigurationRecord& config, int32_t terminal) {
    return connection.SendCommand(terminal, config.bytes.data(), kSendCommand, ConfigurationRecord::kSize);
}

uint8_t GetBufferConfigDLL(ConfigurationRecord& config, int32_t /*unused*/, uint8_t* buffer) {
    if (buffer == nullptr) return rc::bad_arg(1);
    std::copy(config.bytes.begin(), config.bytes.end(), buffer);
    return rc::kOk;
}

uint8_t ReceberBufferConfig(ConnectionManager& connection, int32_t terminal, uint8_t* buffer) {
    if (buffer == nullptr) return rc::bad_arg(1);
    // Read into a local record, so that a failed exchange leaves the caller's buffer as it was.
    std::array<uint8_t, ConfigurationRecord::kSize> answer{};
    const ReturnCode result = connection.ReceiveData(terminal, answer.data(), kReadCommand, ConfigurationRecord::kSize);
    if (result == rc::kOk) std::copy(answer.begin(), answer.end(), buffer);
    return result;
}

}  // namespace varanda::op
