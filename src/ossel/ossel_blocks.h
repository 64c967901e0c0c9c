// The fixed blocks the Ossel module exchanges.
#pragma once
#include <cstdint>

namespace varanda {

inline constexpr int32_t kOsselTemplateSize = 220;    // a template: compared, or captured at the reader
inline constexpr int32_t kOsselUserRecordSize = 451;  // a user record: added, or read back

}  // namespace varanda
