// The 16-byte settings block of the fingerprint module (command 133).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct BioSettingsBlock {
    static constexpr int kSize = 16;
    // Where each setter's values go, in its argument order.
    static constexpr int kSensitivity = 0;      // three values
    static constexpr int kSecurity = 3;         // two values
    static constexpr int kQuality = 5;          // two values
    static constexpr int kFilter = 7;           // on or off
    static constexpr int kAdaptiveCapture = 8;  // on or off, then two values
    static constexpr int kTimeout = 11;         // identification time-out
    static constexpr int kLfdLevel = 12;        // LFD level

    // Bytes 11 and 12 start at 0; the reset never touches them.
    BioSettingsBlock() { reset(); }

    // The defaults: every byte but the time-out and the LFD level, which keep
    // their values.
    void reset();

    std::array<uint8_t, kSize> bytes{};
};

}  // namespace varanda
