// The identifier of the last punch delivered, so that a repeated punch is recognised.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct LastPunch {
    int32_t unused = 0;
};

}  // namespace varanda
