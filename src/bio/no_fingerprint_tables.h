// The lists of users without fingerprint and their shared count.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct NoFingerprintTables {
    int32_t count = 0;
};

}  // namespace varanda
