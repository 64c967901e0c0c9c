// The 50-byte offline configuration record (command 100).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct ConfigurationRecord {
    std::array<uint8_t, 50> bytes{};
};

}  // namespace varanda
