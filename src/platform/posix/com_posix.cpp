// The in-process COM layer: a component is a library exporting
// DllGetClassObject. Loaded component libraries stay loaded until the
// apartment of the thread that loaded the SDK ends.
#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "platform/com.h"
#include "platform/posix/com_abi.h"

namespace varanda::platform::com {
namespace pc = varanda::posix_com;

namespace {
std::mutex g_mutex;
std::vector<void*> g_libraries;  // dlopen handles of loaded components

pc::Guid to_abi(const Guid& g) {
    pc::Guid r;
    std::memcpy(&r, &g, sizeof r);
    return r;
}
pc::SafeArrayData* abi(SafeArray* a) { return reinterpret_cast<pc::SafeArrayData*>(a); }
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
    auto get = reinterpret_cast<pc::DllGetClassObjectFn>(dlsym(lib, "DllGetClassObject"));
    if (get == nullptr) return nullptr;
    const pc::Guid cls = to_abi(clsid);
    const pc::Guid want = to_abi(iid);
    void* factory = nullptr;
    if (get(&cls, &pc::kIidClassFactory, &factory) != pc::kOk || factory == nullptr) return nullptr;
    const auto* fv = pc::vtable<pc::IClassFactoryVtbl>(factory);
    void* unknown = nullptr;
    pc::HResult hr = fv->CreateInstance(factory, nullptr, &pc::kIidUnknown, &unknown);
    fv->unknown.Release(factory);
    if (hr != pc::kOk || unknown == nullptr) return nullptr;
    // OleRun has nothing to do for an in-process object.
    void* itf = nullptr;
    hr = pc::vtable<pc::IUnknownVtbl>(unknown)->QueryInterface(unknown, &want, &itf);
    pc::vtable<pc::IUnknownVtbl>(unknown)->Release(unknown);
    return hr == pc::kOk ? itf : nullptr;
}

void release(void* itf) {
    if (itf != nullptr) pc::vtable<pc::IUnknownVtbl>(itf)->Release(itf);
}

SafeArray* create_byte_vector(uint32_t count) {
    return reinterpret_cast<SafeArray*>(pc::safe_array_create_vector(count));
}

void destroy_array(SafeArray* array) { pc::safe_array_destroy(abi(array)); }

bool access_bytes(SafeArray* array, uint8_t** data, uint32_t* count) {
    pc::SafeArrayData* a = abi(array);
    if (a == nullptr || a->dims != 1 || a->element_size != 1) return false;
    ++a->locks;
    *data = a->data;
    *count = a->count;
    return true;
}

void unaccess_bytes(SafeArray* array) {
    pc::SafeArrayData* a = abi(array);
    if (a != nullptr && a->locks > 0) --a->locks;
}

}  // namespace varanda::platform::com
