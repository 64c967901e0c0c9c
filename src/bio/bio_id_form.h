// The two one-shot identifier-form flags of the fingerprint module
// (SetarBioLight, SetarBioVariavel), 0 at start. A request that uses a form
// clears its flag as the operation says.
#pragma once
#include <cstdint>

namespace varanda {

struct BioIdForm {
    int32_t light = 0;
    int32_t variable = 0;
};

}  // namespace varanda
