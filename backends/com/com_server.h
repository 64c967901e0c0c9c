// The COM object runtime of every in-process component, the two real ones
// and the test fakes alike: byte safe arrays, the IUnknown and IDispatch part
// of an object, the class factory, and the exported entries
// (DllGetClassObject, DllCanUnloadNow; on Windows also DllRegisterServer and
// DllUnregisterServer, which write the class under HKEY_CLASSES_ROOT). A
// component links the library corvo_com_server and defines kComponent.
//
// An object is a plain struct whose first member is its method table, so
// that its layout is the one COM callers expect.
#pragma once
#include <atomic>
#include <cstdint>
#include <new>
#include <vector>

#include "abi/com_interfaces.h"

namespace corvo::com {

using namespace varanda::abi;
using namespace varanda::abi::hr;

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
// A new object of `vtbl` owning a new Impl; null when either cannot be made.
template <class Impl>
Object* new_object_owning(const void* vtbl, const Guid& iid) {
    auto* impl = new (std::nothrow) Impl();
    if (impl == nullptr) return nullptr;
    return new_object(vtbl, iid, impl, [](void* p) { delete static_cast<Impl*>(p); });
}
// The objects alive in this library.
int live_objects();
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
