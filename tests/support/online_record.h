// The 22-byte online event record as a terminal answers it, for the tests.
#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

namespace testsupport {

// Origin, complement, positions from offset 2, and (when given) the date and
// time at offsets 16..21; 0xFF elsewhere.
inline std::vector<uint8_t> online_event(uint8_t origin, uint8_t complement, const std::vector<uint8_t>& positions,
                                         const std::vector<uint8_t>& date_time = {}) {
    std::vector<uint8_t> r(22, 0xFF);
    r[0] = origin;
    r[1] = complement;
    std::copy(positions.begin(), positions.end(), r.begin() + 2);
    std::copy(date_time.begin(), date_time.end(), r.begin() + 16);
    return r;
}

}  // namespace testsupport
