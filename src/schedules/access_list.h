// The access list prepared for sending.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct AccessList {
    int32_t count = 0;
};

}  // namespace varanda
