// The pieces of a dial-up that are worth naming: the dial command text and
// the whole-second deadline of the wait for the modem's verdict.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace varanda::modem {

inline constexpr size_t kDialTextSize = 500;
// "ATDT" or "ATDP", the number and the terminating zero fill the text.
inline constexpr size_t kMaxNumberLength = kDialTextSize - 5;

using DialText = std::array<char, kDialTextSize>;

// Writes "ATDT<number>" (tone) or "ATDP<number>" (pulse). False, with
// nothing written, when the number is null, empty or does not fit.
bool format_dial_command(bool tone, const char* number, DialText& out);

// The wait for the verdict ends in the first whole second of the tick that
// is more than `seconds` after the second in which it started. Counted from
// the start, so that the tick wrapping around does not stretch the wait.
class WholeSecondDeadline {
public:
    WholeSecondDeadline(uint32_t start_tick_ms, uint32_t seconds)
        : start_(start_tick_ms), seconds_(seconds) {}
    bool passed(uint32_t now_tick_ms) const;

private:
    uint32_t start_;
    uint32_t seconds_;
};

}  // namespace varanda::modem
