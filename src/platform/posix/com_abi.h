// The binary contract between our in-process COM layer and component
// libraries on POSIX: the safe-array layout and its allocation, the
// IUnknown and IClassFactory tables, and the DllGetClassObject entry.
// Component libraries include this header so that an array they replace is
// allocated and freed the same way as ours.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace varanda::posix_com {

using HResult = int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);
inline constexpr HResult kClassNotRegistered = static_cast<HResult>(0x80040154u);

struct Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
inline bool same(const Guid& a, const Guid& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline constexpr Guid kIidUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr Guid kIidClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

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

struct IUnknownVtbl {
    HResult (*QueryInterface)(void* self, const Guid* iid, void** out);
    uint32_t (*AddRef)(void* self);
    uint32_t (*Release)(void* self);
};

struct IClassFactoryVtbl {
    IUnknownVtbl unknown;
    HResult (*CreateInstance)(void* self, void* outer, const Guid* iid, void** out);
    HResult (*LockServer)(void* self, int32_t lock);
};

// Every COM object starts with a pointer to its table.
template <class Vtbl>
inline const Vtbl* vtable(void* object) {
    return *static_cast<const Vtbl* const*>(object);
}

using DllGetClassObjectFn = HResult (*)(const Guid* clsid, const Guid* iid, void** out);

}  // namespace varanda::posix_com
