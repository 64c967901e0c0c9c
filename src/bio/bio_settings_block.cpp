#include "bio/bio_settings_block.h"

#include <algorithm>

namespace varanda {

void BioSettingsBlock::reset() {
    // What the setters' values start as, up to the identification time-out.
    static constexpr uint8_t kDefaults[kTimeout] = {2, 40, 20, 8, 5, 40, 30, 0, 0, 5, 5};
    std::copy(std::begin(kDefaults), std::end(kDefaults), bytes.begin());
    std::fill(bytes.begin() + kLfdLevel + 1, bytes.end(), 0);
}

}  // namespace varanda
