// The 32-byte image of a two-line, 16-character display text, and the one
// rule that turns a text into it. Every display text the library prepares or
// sends goes through format_display_message.
//
// Layout: first line in bytes 0-15, second line in bytes 16-31, single-byte
// characters copied as they are, spaces where there is no text, no
// terminating zero. Byte 0 doubles as a control byte (see the constants).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace varanda {

namespace display_message {
inline constexpr std::size_t kSize = 32;
inline constexpr std::size_t kLineWidth = 16;
inline constexpr uint8_t kSpace = 0x20;
inline constexpr uint8_t kSecondLine = 0xFE;  // text on the second line only
inline constexpr uint8_t kScore = 0xFD;       // the same, with the score display on
inline constexpr uint8_t kDisabled = 0xFF;    // a function message that is switched off
}  // namespace display_message

using DisplayMessageImage = std::array<uint8_t, display_message::kSize>;
using DisplayMessageSlot = std::span<uint8_t, display_message::kSize>;

// Formats `text` into `out`: all spaces; with `second_line` non-zero, byte 0
// becomes 0xFE and the first 16 characters go to bytes 16-31; otherwise the
// first 32 characters go from byte 0. A null text leaves only the spaces (and
// the control byte). The text is never read beyond the characters that fit.
void format_display_message(DisplayMessageSlot out, uint8_t second_line, const char* text);

// The same into a fresh image.
DisplayMessageImage make_display_message(uint8_t second_line, const char* text);

// The 32-byte slot at `offset` of a block (the caller keeps offset + 32 within it).
template <std::size_t N>
DisplayMessageSlot display_slot(std::array<uint8_t, N>& block, std::size_t offset) {
    return DisplayMessageSlot(block.data() + offset, display_message::kSize);
}

}  // namespace varanda
