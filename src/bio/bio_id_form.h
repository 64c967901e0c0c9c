// The two identifier-form flags of the fingerprint module (SetarBioLight, SetarBioVariavel).
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct BioIdForm {
    int32_t light = 0;
    int32_t variable = 0;
};

}  // namespace varanda
