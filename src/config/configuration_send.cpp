// Sending the configuration record (command 100), copying it out, and reading
// a terminal's own record back (command 200).
#include <algorithm>
#include <array>

#include "api/facade.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr int32_t kSendCommand = 100;
constexpr int32_t kReadCommand = 200;
}  // namespace

uint8_t EnviarConfiguracoes(ApiFacade& f, int32_t terminal) {
    return f.connection().SendCommand(terminal, f.config.bytes.data(), kSendCommand, ConfigurationRecord::kSize);
}

uint8_t GetBufferConfigDLL(ApiFacade& f, int32_t /*unused*/, uint8_t* buffer) {
    if (buffer == nullptr) return rc::bad_arg(1);
    std::copy(f.config.bytes.begin(), f.config.bytes.end(), buffer);
    return rc::kOk;
}

uint8_t ReceberBufferConfig(ApiFacade& f, int32_t terminal, uint8_t* buffer) {
    if (buffer == nullptr) return rc::bad_arg(1);
    // Read into a local record, so that a failed exchange leaves the caller's buffer as it was.
    std::array<uint8_t, ConfigurationRecord::kSize> answer{};
    const ReturnCode result = f.connection().ReceiveData(terminal, answer.data(), kReadCommand, ConfigurationRecord::kSize);
    if (result == rc::kOk) std::copy(answer.begin(), answer.end(), buffer);
    return result;
}

}  // namespace varanda::op
