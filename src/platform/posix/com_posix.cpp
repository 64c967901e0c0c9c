// The in-process COM layer: a component is a library exporting
// DllGetClassObject. Loaded component libraries stay loaded until the
// apartment of the thread that loaded the SDK ends.
#include <dlfcn.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "abi/com_interfaces.h"
#include "abi/posix_safe_array.h"
#include "platform/com.h"

namespace varanda::platform::com {

namespace {
std::mutex g_mutex;
std::vector<void*> g_libraries;  // dlopen handles of loaded components

abi::SafeArrayData* data_of(SafeArray* a) { return reinterpret_cast<abi::SafeArrayData*>(a); }
}  // namespace

void initialize_apartment(bool) {}

void uninitialize() {}

// Unloads the component libraries; called when the SDK itself is unloaded.
void unload_components() {
    std::lock_guard<std::mutex> lock(g_mutex);
    for (void* h : g_libraries) dlclose(h);
    g_libraries.clear();
}

void* create_instance(const Guid& clsid, const Guid& iid, const char* posix_library) {
    if (posix_library == nullptr) return nullptr;
    void* lib = dlopen(posix_library, RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return nullptr;
    {
        // One reference per component library, however often it is created.
        std::lock_guard<std::mutex> lock(g_mutex);
        if (std::find(g_libraries.begin(), g_libraries.end(), lib) != g_libraries.end()) {
            dlclose(lib);
        } else {
            g_libraries.push_back(lib);
        }
    }
    auto get = reinterpret_cast<abi::DllGetClassObjectFn>(dlsym(lib, "DllGetClassObject"));
    if (get == nullptr) return nullptr;
    void* factory = nullptr;
    if (get(&clsid, &abi::kIidClassFactory, &factory) != abi::hr::kOk || factory == nullptr) return nullptr;
    const auto* fv = abi::vtable<abi::ClassFactoryVtbl>(factory);
    void* unknown = nullptr;
    HResult hr = fv->CreateInstance(factory, nullptr, &abi::kIidUnknown, &unknown);
    fv->unknown.Release(factory);
    if (hr != abi::hr::kOk || unknown == nullptr) return nullptr;
    // OleRun has nothing to do for an in-process object.
    void* itf = nullptr;
    hr = abi::vtable<abi::UnknownVtbl>(unknown)->QueryInterface(unknown, &iid, &itf);
    abi::vtable<abi::UnknownVtbl>(unknown)->Release(unknown);
    return hr == abi::hr::kOk ? itf : nullptr;
}

void release(void* itf) {
    if (itf != nullptr) abi::vtable<abi::UnknownVtbl>(itf)->Release(itf);
}

SafeArray* create_byte_vector(uint32_t count) {
    return reinterpret_cast<SafeArray*>(abi::safe_array_create_vector(count));
}

void destroy_array(SafeArray* array) { abi::safe_array_destroy(data_of(array)); }

bool access_bytes(SafeArray* array, uint8_t** data, uint32_t* count) {
    abi::SafeArrayData* a = data_of(array);
    if (a == nullptr || a->dims != 1 || a->element_size != 1) return false;
    ++a->locks;
    *data = a->data;
    *count = a->count;
    return true;
}

void unaccess_bytes(SafeArray* array) {
    abi::SafeArrayData* a = data_of(array);
    if (a != nullptr && a->locks > 0) --a->locks;
}

}  // namespace varanda::platform::com
