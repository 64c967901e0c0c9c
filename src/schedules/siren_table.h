// The 300-byte table of siren times (command 112) and its count.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct SirenTable {
    std::array<uint8_t, 300> bytes{};
    int32_t count = 0;
};

}  // namespace varanda
