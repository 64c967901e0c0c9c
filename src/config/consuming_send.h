// Sending a block that the send consumes. The block's bytes are taken and
// the block reset in one step, while the process lock is held and before
// the exchange: a setter on another thread lands wholly before the send or
// wholly after it (on the reset block). The block is reset whatever the
// outcome, also when the exchange throws (then 8).
#pragma once
#include <cstdint>
#include <utility>

#include "core/return_code.h"
#include "comm/connection_manager.h"

namespace varanda {

// The block as it was; the facade's copy is reset.
template <class Block>
Block take_and_reset(Block& block) {
    Block taken = block;
    block.reset();
    return taken;
}

template <class Block>
ReturnCode send_and_reset(ConnectionManager& connection, int32_t terminal, Block& block, int32_t command) {
    const Block sent = take_and_reset(block);
    try {
        return connection.SendCommand(terminal, sent.bytes.data(), command, Block::kSize);
    } catch (...) {
        return rc::kException;
    }
}

}  // namespace varanda
