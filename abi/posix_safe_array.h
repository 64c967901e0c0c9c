// The byte safe array of the SDK's in-process COM layer on POSIX, and its
// allocation: a component that replaces an array allocates and frees it the
// same way as the SDK. (On Windows the system's SAFEARRAY is used.)
#pragma once
#include <cstdint>
#include <cstdlib>

namespace varanda::abi {

// One-dimensional array of bytes, lower bound 0.
struct SafeArrayData {
    uint16_t dims;
    uint16_t features;
    uint32_t element_size;
    uint32_t locks;
    uint8_t* data;
    uint32_t count;
    int32_t lower_bound;
};

inline SafeArrayData* safe_array_create_vector(uint32_t count) {
    auto* a = static_cast<SafeArrayData*>(std::calloc(1, sizeof(SafeArrayData)));
    if (a == nullptr) return nullptr;
    a->dims = 1;
    a->element_size = 1;
    a->count = count;
    a->data = static_cast<uint8_t*>(std::calloc(count == 0 ? 1 : count, 1));
    if (a->data == nullptr) {
        std::free(a);
        return nullptr;
    }
    return a;
}

inline void safe_array_destroy(SafeArrayData* a) {
    if (a == nullptr) return;
    std::free(a->data);
    std::free(a);
}

}  // namespace varanda::abi
