// The 26-byte TLM encryption block (command 151), built from a TLM key file:
// ten digit values, two hexadecimal digit values and a fixed trailer whose
// last two bytes mark the block as filled.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include "wire/terminal_commands.h"

namespace varanda {

struct TlmBuffer {
    static constexpr int kSize = 26;
    static constexpr int32_t kCommand = wire::command::kTlm;
    using Block = std::array<uint8_t, kSize>;

    // The key file: bytes 1..108 are scrambled with this mask; the digits sit
    // at the even positions 84..102, the two hexadecimal digits at 104 and 106.
    static constexpr uint8_t kMask = 0x6B;
    static constexpr size_t kKeyFileMinSize = 109;
    static constexpr size_t kFirstDigitPosition = 84;
    static constexpr size_t kFirstHexPosition = 104;
    static constexpr int kDigitCount = 10;
    static constexpr int kTrailerOffset = 12;
    static constexpr std::array<uint8_t, 14> kTrailer = {0x54, 0x4C, 0x4D, 0x01, 0x00, 0x1A, 0x00,
                                                         0x00, 0x00, 0x00, 0x00, 0x00, 0x5A, 0xA5};

    Block bytes{};  // all zero until a key file has been read: not filled

    bool filled() const { return bytes[24] == kTrailer[12] && bytes[25] == kTrailer[13]; }

    // The block that a key file's first bytes give; nothing when there are
    // fewer than kKeyFileMinSize of them.
    static std::optional<Block> from_key_file(const uint8_t* data, size_t size);
};

}  // namespace varanda
