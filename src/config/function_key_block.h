// The 10-byte function-key block (command 128), byte n for function n:
// bits 0-1 mode, bits 2-5 options 1-4, bit 6 score display, bit 7 always 0.
// All zeros at start and after every send.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct FunctionKeyBlock {
    static constexpr int kSize = 10;
    static constexpr uint8_t kScoreBit = 0x40;

    void reset() { bytes.fill(0); }

    std::array<uint8_t, kSize> bytes{};
};

}  // namespace varanda
