// The 10-byte function-key block (command 128).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct FunctionKeyBlock {
    std::array<uint8_t, 10> bytes{};
};

}  // namespace varanda
