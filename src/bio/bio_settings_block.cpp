#include "bio/bio_settings_block.h"

namespace varanda {

void BioSettingsBlock::reset() {
    static constexpr uint8_t kDefaults[11] = {2, 40, 20, 8, 5, 40, 30, 0, 0, 5, 5};
    for (int i = 0; i < 11; ++i) bytes[i] = kDefaults[i];
    bytes[13] = bytes[14] = bytes[15] = 0;
}

}  // namespace varanda
