// Small helpers shared by the configuration setters: a byte field with a
// range, a flag and an inverted flag.
#pragma once
#include <cstdint>

#include "core/return_code.h"
#include "config/configuration_record.h"

namespace varanda::record_field {

inline uint8_t flag(uint8_t value) { return value != 0 ? 1 : 0; }
inline uint8_t inverted_flag(uint8_t value) { return value == 0 ? 1 : 0; }

// Stores `value` at `offset` when it lies in min..max; otherwise 128 and the
// record is left alone.
inline ReturnCode store_ranged(ConfigurationRecord& record, int offset, uint8_t value, uint8_t max, uint8_t min = 0) {
    if (value < min || value > max) return rc::bad_arg(0);
    record.bytes[offset] = value;
    return rc::kOk;
}

inline ReturnCode store(ConfigurationRecord& record, int offset, uint8_t value) {
    record.bytes[offset] = value;
    return rc::kOk;
}

}  // namespace varanda::record_field
