// The 16-byte settings block of the fingerprint module (command 133).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct BioSettingsBlock {
    std::array<uint8_t, 16> bytes{};
};

}  // namespace varanda
