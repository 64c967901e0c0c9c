// The fixed blocks the Ossel module exchanges.
#pragma once
#include <cstdint>

namespace varanda {

inline constexpr int32_t kOsselTemplateSize = 220;    // a template: compared, or captured at the reader
inline constexpr int32_t kOsselUserRecordSize = 451;  // a user record: added, or read back

// What a user lookup reads back: the summary byte, or the whole user record.
inline constexpr uint8_t kOsselReadSummary = 0;
inline constexpr uint8_t kOsselReadRecord = 2;

}  // namespace varanda
