// The 72-byte block of automatic online/offline change (command 114).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct OnlineOfflineChangeBlock {
    std::array<uint8_t, 72> bytes{};
};

}  // namespace varanda
