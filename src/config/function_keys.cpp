// The function-key block: its two setters and sending it (command 128).
#include "comm/connection_manager.h"
#include "config/function_key_block.h"
#include "config/consuming_send.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kCommand = wire::command::kFunctionKeys;
constexpr uint8_t kFunctions = FunctionKeyBlock::kSize;
constexpr uint8_t kMaxMode = 3;

uint8_t bit(uint8_t value, int position) { return static_cast<uint8_t>((value != 0 ? 1 : 0) << position); }
}  // namespace

uint8_t DefinirConfiguracoesFuncoes(FunctionKeyBlock& function_keys, uint8_t function, uint8_t mode, uint8_t option1,
                                    uint8_t option2, uint8_t option3, uint8_t option4) {
    if (function >= kFunctions) return rc::bad_arg(0);
    if (mode > kMaxMode) return rc::bad_arg(1);
    function_keys.bytes[function] =
        static_cast<uint8_t>(mode | bit(option1, 2) | bit(option2, 3) | bit(option3, 4) | bit(option4, 5));
    return rc::kOk;
}

uint8_t HabilitarScoreFuncoes(FunctionKeyBlock& function_keys, uint8_t function, uint8_t enabled) {
    if (function >= kFunctions) return rc::bad_arg(0);
    uint8_t& b = function_keys.bytes[function];
    b = static_cast<uint8_t>(enabled != 0 ? b | FunctionKeyBlock::kScoreBit : b & ~FunctionKeyBlock::kScoreBit);
    return rc::kOk;
}

uint8_t EnviarConfiguracoesFuncoes(ConnectionManager& connection, FunctionKeyBlock& function_keys, int32_t terminal) {
    return send_and_reset(connection, terminal, function_keys, kCommand);
}

}  // namespace varanda::op
