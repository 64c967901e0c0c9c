// Multi-byte numbers on the wire: the byte order is in each helper's name
// (_be most significant byte first, _le least significant first).
#pragma once
#include <cstdint>

namespace varanda::wire {

inline void put_u16_be(uint8_t* out, uint16_t value) {
    out[0] = static_cast<uint8_t>(value >> 8);
    out[1] = static_cast<uint8_t>(value);
}

inline void put_u16_le(uint8_t* out, uint16_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
}

inline void put_u32_be(uint8_t* out, uint32_t value) {
    put_u16_be(out, static_cast<uint16_t>(value >> 16));
    put_u16_be(out + 2, static_cast<uint16_t>(value));
}

inline void put_u32_le(uint8_t* out, uint32_t value) {
    put_u16_le(out, static_cast<uint16_t>(value));
    put_u16_le(out + 2, static_cast<uint16_t>(value >> 16));
}

inline uint16_t get_u16_be(const uint8_t* in) { return static_cast<uint16_t>((in[0] << 8) | in[1]); }

inline uint16_t get_u16_le(const uint8_t* in) { return static_cast<uint16_t>(in[0] | (in[1] << 8)); }

inline uint32_t get_u32_be(const uint8_t* in) {
    return static_cast<uint32_t>(get_u16_be(in)) << 16 | get_u16_be(in + 2);
}

inline uint32_t get_u32_le(const uint8_t* in) {
    return get_u16_le(in) | static_cast<uint32_t>(get_u16_le(in + 2)) << 16;
}

}  // namespace varanda::wire
