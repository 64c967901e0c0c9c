// Multi-byte numbers laid out most significant byte first.
#pragma once
#include <cstdint>

namespace varanda::wire {

inline void put_be32(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value >> 24);
    out[1] = static_cast<uint8_t>(value >> 16);
    out[2] = static_cast<uint8_t>(value >> 8);
    out[3] = static_cast<uint8_t>(value);
}

inline uint16_t get_be16(const uint8_t* in) { return static_cast<uint16_t>((in[0] << 8) | in[1]); }

}  // namespace varanda::wire
