// The 26-byte TLM encryption block (command 151).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct TlmBuffer {
    std::array<uint8_t, 26> bytes{};
};

}  // namespace varanda
