// Sending a block that the send consumes: the block goes back to its reset
// contents whatever the outcome, also when the exchange throws (then 8).
#pragma once
#include <cstdint>

#include "api/return_code.h"
#include "comm/connection_manager.h"

namespace varanda {

template <class Block>
ReturnCode send_and_reset(ConnectionManager& connection, int32_t terminal, Block& block, int32_t command) {
    ReturnCode result;
    try {
        result = connection.SendCommand(terminal, block.bytes.data(), command, Block::kSize);
    } catch (...) {
        result = rc::kException;
    }
    block.reset();
    return result;
}

}  // namespace varanda
