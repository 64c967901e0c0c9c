// What the two COM components share: byte safe arrays, the IUnknown and
// IDispatch part of an object, the class factory, and the exported entries
// (DllGetClassObject, DllCanUnloadNow; on Windows also DllRegisterServer and
// DllUnregisterServer, which write the class under HKEY_CLASSES_ROOT).
//
// An object is a plain struct whose first member is its method table, so
// that its layout is the one COM callers expect.
#pragma once
#include <atomic>
#include <cstdint>
#include <vector>

#include "comm/com_interfaces.h"

namespace corvo::com {

using namespace varanda::com_itf;

using varanda::platform::com::kFalse;
using varanda::platform::com::kTrue;
inline constexpr HResult kOk = 0;
inline constexpr HResult kNotImpl = static_cast<HResult>(0x80004001u);
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kPointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult kNoAggregation = static_cast<HResult>(0x80040110u);
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);

// --- byte arrays ---------------------------------------------------------------
// The bytes of `array` (one dimension, bytes); false when it is missing or
// not such an array.
bool read_array(SafeArray* array, std::vector<uint8_t>& out);
// Puts `size` bytes in *array, replacing the array by one of `size`
// elements when its element count differs; false when that fails.
bool write_array(SafeArray** array, const uint8_t* bytes, uint32_t size);

// --- objects -----------------------------------------------------------------
struct Object {
    const void* vtbl;
    std::atomic<uint32_t> refs{1};
    const Guid* iid;            // the component's interface
    void* impl;                 // the component's state
    void (*destroy)(void* impl);
};

// IUnknown and IDispatch for every object (IDispatch has no type information:
// the components are called through their tables).
const DispatchSlots& dispatch_slots();
// A new object with one reference; counted for DllCanUnloadNow.
Object* new_object(const void* vtbl, const Guid& iid, void* impl, void (*destroy)(void*));
template <class Impl>
Impl& impl_of(void* self) {
    return *static_cast<Impl*>(static_cast<Object*>(self)->impl);
}

// --- what each component library defines -------------------------------------------
struct Component {
    Guid clsid;
    const char* description;
    Object* (*create)();  // a new object, or null
};
extern const Component kComponent;

}  // namespace corvo::com
