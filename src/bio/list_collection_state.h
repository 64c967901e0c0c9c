// Where a paged collection of the fingerprint module's user list stands.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct ListCollectionState {
    int32_t page = 0;
};

}  // namespace varanda
