// Presentation messages and the times of automatic entry/exit change (command 134).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct ChangeEventBlock {
    std::array<uint8_t, 77> bytes{};
};

}  // namespace varanda
