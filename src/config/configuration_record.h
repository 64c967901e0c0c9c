// The 50-byte offline configuration record (command 100), sent exactly as
// laid out here.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct ConfigurationRecord {
    static constexpr int kSize = 50;
    static constexpr int kCardDigits = 14;  // card digit count, also read by the access list

    // All zero, then company code 0xFFFF (bytes 9-10) and 14 card digits.
    ConfigurationRecord() {
        bytes[9] = 0xFF;
        bytes[10] = 0xFF;
        bytes[kCardDigits] = 14;
    }

    std::array<uint8_t, kSize> bytes{};
};

}  // namespace varanda
