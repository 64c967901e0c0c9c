// The 255-byte printer message: 254 bytes of text padded with spaces, then
// a marker byte.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct PrinterMessage {
    static constexpr int kSize = 255;
    static constexpr int kTextWidth = 254;

    std::array<uint8_t, kSize> bytes;

    // The first 254 bytes of `text` (none for a null text), spaces after it.
    PrinterMessage(const char* text, uint8_t marker);
};

}  // namespace varanda
