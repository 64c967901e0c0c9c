// Writing bytes into the storage of a Java int[] as they lie: byte k of the
// storage is bits 8*(k%4) to 8*(k%4)+7 of element k/4, so the first byte
// lands in the lowest byte of element 0. The other bytes of a partly written
// element keep the values the caller gave them.
#pragma once
#include <jni.h>

#include <cstddef>
#include <cstdint>

namespace varanda::jni {

// Replaces byte `which` (0 the lowest) of `element`.
inline void put_byte(jint& element, unsigned which, uint8_t value) {
    const unsigned shift = 8u * (which & 3u);
    uint32_t u = static_cast<uint32_t>(element);
    u = (u & ~(0xFFu << shift)) | (static_cast<uint32_t>(value) << shift);
    element = static_cast<jint>(u);
}

// Copies `n` bytes into the storage of `count` elements from storage byte
// `first`. False, with nothing written, when they do not fit.
inline bool store_bytes(jint* elements, size_t count, size_t first, const uint8_t* bytes, size_t n) {
    if (elements == nullptr || first > 4 * count || n > 4 * count - first) return false;
    for (size_t i = 0; i < n; ++i) {
        const size_t k = first + i;
        put_byte(elements[k / 4], static_cast<unsigned>(k % 4), bytes[i]);
    }
    return true;
}

}  // namespace varanda::jni
