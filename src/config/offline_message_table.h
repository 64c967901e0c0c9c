// The 416-byte table of offline display messages (command 106).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct OfflineMessageTable {
    std::array<uint8_t, 416> bytes{};
};

}  // namespace varanda
