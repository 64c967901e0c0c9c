#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <ole2.h>

#include <cstring>

#include "platform/com.h"

namespace varanda::platform::com {

namespace {
GUID to_guid(const Guid& g) {
    GUID r;
    std::memcpy(&r, &g, sizeof r);
    return r;
}
SAFEARRAY* sys(SafeArray* a) { return reinterpret_cast<SAFEARRAY*>(a); }
}  // namespace

void initialize_apartment(bool single_threaded) {
    CoInitializeEx(nullptr, single_threaded ? COINIT_APARTMENTTHREADED : COINIT_MULTITHREADED);
}

void uninitialize() { CoUninitialize(); }

void unload_components() {}

void* create_instance(const Guid& clsid, const Guid& iid, const char*) {
    const GUID cls = to_guid(clsid);
    const GUID want = to_guid(iid);
    IUnknown* unknown = nullptr;
    if (FAILED(CoCreateInstance(cls, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                IID_IUnknown, reinterpret_cast<void**>(&unknown))) ||
        unknown == nullptr) {
        return nullptr;
    }
    void* itf = nullptr;
    if (SUCCEEDED(OleRun(unknown))) {
        if (FAILED(unknown->QueryInterface(want, &itf))) itf = nullptr;
    }
    unknown->Release();
    return itf;
}

void release(void* itf) {
    if (itf != nullptr) static_cast<IUnknown*>(itf)->Release();
}

SafeArray* create_byte_vector(uint32_t count) {
    return reinterpret_cast<SafeArray*>(SafeArrayCreateVector(VT_UI1, 0, count));
}

void destroy_array(SafeArray* array) {
    if (array != nullptr) SafeArrayDestroy(sys(array));
}

bool access_bytes(SafeArray* array, uint8_t** data, uint32_t* count) {
    SAFEARRAY* a = sys(array);
    if (a == nullptr || SafeArrayGetDim(a) != 1) return false;
    LONG lo = 0, hi = -1;
    if (FAILED(SafeArrayGetLBound(a, 1, &lo)) || FAILED(SafeArrayGetUBound(a, 1, &hi))) return false;
    void* p = nullptr;
    if (FAILED(SafeArrayAccessData(a, &p))) return false;
    *data = static_cast<uint8_t*>(p);
    *count = hi >= lo ? static_cast<uint32_t>(hi - lo + 1) : 0;
    return true;
}

void unaccess_bytes(SafeArray* array) {
    if (array != nullptr) SafeArrayUnaccessData(sys(array));
}

}  // namespace varanda::platform::com
