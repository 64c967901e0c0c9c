#include "com_server.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#if defined(_WIN32)
#  include <windows.h>
#  include <oleauto.h>
#  define COM_EXPORT extern "C"
#else
#  include "abi/posix_safe_array.h"
#  define COM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace corvo::com {

namespace {

std::atomic<int> g_objects{0};

// --- arrays ------------------------------------------------------------------------
#if defined(_WIN32)
SAFEARRAY* sys(SafeArray* a) { return reinterpret_cast<SAFEARRAY*>(a); }
#else
namespace pc = varanda::abi;
pc::SafeArrayData* sys(SafeArray* a) { return reinterpret_cast<pc::SafeArrayData*>(a); }
#endif

}  // namespace

bool read_array(SafeArray* array, std::vector<uint8_t>& out) {
    out.clear();
    if (array == nullptr) return false;
#if defined(_WIN32)
    SAFEARRAY* a = sys(array);
    if (SafeArrayGetDim(a) != 1 || SafeArrayGetElemsize(a) != 1) return false;
    LONG lo = 0, hi = -1;
    if (FAILED(SafeArrayGetLBound(a, 1, &lo)) || FAILED(SafeArrayGetUBound(a, 1, &hi))) return false;
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(a, &data))) return false;
    if (hi >= lo) out.assign(static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + (hi - lo + 1));
    SafeArrayUnaccessData(a);
    return true;
#else
    pc::SafeArrayData* a = sys(array);
    if (a->dims != 1 || a->element_size != 1 || (a->count > 0 && a->data == nullptr)) return false;
    out.assign(a->data, a->data + a->count);
    return true;
#endif
}

bool write_array(SafeArray** array, const uint8_t* bytes, uint32_t size) {
    if (array == nullptr) return false;
#if defined(_WIN32)
    std::vector<uint8_t> now;
    if (*array == nullptr || !read_array(*array, now) || now.size() != size) {
        SAFEARRAY* fresh = SafeArrayCreateVector(VT_UI1, 0, size);
        if (fresh == nullptr) return false;
        if (*array != nullptr) SafeArrayDestroy(sys(*array));
        *array = reinterpret_cast<SafeArray*>(fresh);
    }
    if (size == 0) return true;
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(sys(*array), &data))) return false;
    std::memcpy(data, bytes, size);
    SafeArrayUnaccessData(sys(*array));
    return true;
#else
    if (*array == nullptr || sys(*array)->count != size) {
        pc::SafeArrayData* fresh = pc::safe_array_create_vector(size);
        if (fresh == nullptr) return false;
        if (*array != nullptr) pc::safe_array_destroy(sys(*array));
        *array = reinterpret_cast<SafeArray*>(fresh);
    }
    if (size > 0) std::memcpy(sys(*array)->data, bytes, size);
    return true;
#endif
}

// --- objects -------------------------------------------------------------------------
namespace {

uint32_t VARANDA_COM_CALL AddRef(void* self) { return ++static_cast<Object*>(self)->refs; }
uint32_t VARANDA_COM_CALL Release(void* self) {
    auto* o = static_cast<Object*>(self);
    const uint32_t n = --o->refs;
    if (n == 0) {
        o->destroy(o->impl);
        delete o;
        --g_objects;
    }
    return n;
}
HResult VARANDA_COM_CALL QueryInterface(void* self, const Guid* iid, void** out) {
    if (out == nullptr) return kPointer;
    auto* o = static_cast<Object*>(self);
    if (same(iid, kIidUnknown) || same(iid, kIidDispatch) || same(iid, *o->iid)) {
        AddRef(self);
        *out = self;
        return kOk;
    }
    *out = nullptr;
    return kNoInterface;
}
HResult VARANDA_COM_CALL GetTypeInfoCount(void*, uint32_t* n) {
    if (n == nullptr) return kPointer;
    *n = 0;
    return kOk;
}
HResult VARANDA_COM_CALL GetTypeInfo(void*, uint32_t, uint32_t, void**) { return kNotImpl; }
HResult VARANDA_COM_CALL GetIDsOfNames(void*, const Guid*, void*, uint32_t, uint32_t, int32_t*) { return kNotImpl; }
HResult VARANDA_COM_CALL Invoke(void*, int32_t, const Guid*, uint32_t, uint16_t, void*, void*, void*, uint32_t*) {
    return kNotImpl;
}
constexpr DispatchSlots kDispatch{QueryInterface, AddRef, Release, GetTypeInfoCount, GetTypeInfo, GetIDsOfNames, Invoke};

// --- the class factory ----------------------------------------------------------------
std::atomic<int> g_locks{0};
HResult VARANDA_COM_CALL FactoryQuery(void* self, const Guid* iid, void** out) {
    if (out == nullptr) return kPointer;
    if (same(iid, kIidUnknown) || same(iid, kIidClassFactory)) {
        *out = self;
        return kOk;
    }
    *out = nullptr;
    return kNoInterface;
}
// The factory is static: its count is not kept.
uint32_t VARANDA_COM_CALL FactoryAddRef(void*) { return 2; }
uint32_t VARANDA_COM_CALL FactoryRelease(void*) { return 1; }
HResult VARANDA_COM_CALL CreateInstance(void*, void* outer, const Guid* iid, void** out) {
    if (out == nullptr) return kPointer;
    *out = nullptr;
    if (outer != nullptr) return kNoAggregation;
    Object* o = kComponent.create();
    if (o == nullptr) return kOutOfMemory;
    const HResult hr = QueryInterface(o, iid, out);
    Release(o);
    return hr;
}
HResult VARANDA_COM_CALL LockServer(void*, int32_t lock) {
    if (lock != 0)
        ++g_locks;
    else
        --g_locks;
    return kOk;
}
constexpr ClassFactoryVtbl kFactoryVtbl{{FactoryQuery, FactoryAddRef, FactoryRelease}, CreateInstance, LockServer};
struct Factory {
    const ClassFactoryVtbl* vtbl = &kFactoryVtbl;
} g_factory;

HResult get_class_object(const Guid* clsid, const Guid* iid, void** out) {
    if (out == nullptr) return kPointer;
    *out = nullptr;
    if (!same(clsid, kComponent.clsid)) return kClassNotAvailable;
    return FactoryQuery(&g_factory, iid, out);
}

bool can_unload() { return g_objects == 0 && g_locks <= 0; }

}  // namespace

const DispatchSlots& dispatch_slots() { return kDispatch; }

Object* new_object(const void* vtbl, const Guid& iid, void* impl, void (*destroy)(void*)) {
    auto* o = new (std::nothrow) Object{vtbl, {1}, &iid, impl, destroy};
    if (o == nullptr) {
        destroy(impl);
        return nullptr;
    }
    ++g_objects;
    return o;
}

int live_objects() { return g_objects; }

}  // namespace corvo::com

using corvo::com::kComponent;

#if defined(_WIN32)
// The system declares these entries with its own types.
STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    return corvo::com::get_class_object(reinterpret_cast<const corvo::com::Guid*>(&clsid),
                                        reinterpret_cast<const corvo::com::Guid*>(&iid), out);
}

STDAPI DllCanUnloadNow() { return corvo::com::can_unload() ? S_OK : S_FALSE; }

namespace {
HMODULE self_module() {
    HMODULE m = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&self_module), &m);
    return m;
}
std::string clsid_key() {
    const auto& g = kComponent.clsid;
    char text[64];
    std::snprintf(text, sizeof text, "CLSID\\{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(g.data1), g.data2, g.data3, g.data4[0], g.data4[1], g.data4[2],
                  g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
    return text;
}
bool set_text(HKEY key, const char* name, const char* value) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
}
}  // namespace

// Registers the in-process server under HKEY_CLASSES_ROOT\CLSID.
STDAPI DllRegisterServer() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(self_module(), path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return E_FAIL;
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, clsid_key().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return E_FAIL;
    bool ok = set_text(key, nullptr, kComponent.description);
    RegCloseKey(key);
    const std::string server = clsid_key() + "\\InprocServer32";
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, server.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return E_FAIL;
    ok = set_text(key, nullptr, path) && ok;
    ok = set_text(key, "ThreadingModel", "Both") && ok;
    RegCloseKey(key);
    return ok ? S_OK : E_FAIL;
}

STDAPI DllUnregisterServer() {
    const std::string base = clsid_key();
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (base + "\\InprocServer32").c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, base.c_str());
    return S_OK;
}
#else
COM_EXPORT corvo::com::HResult DllGetClassObject(const corvo::com::Guid* clsid, const corvo::com::Guid* iid,
                                                 void** out) {
    return corvo::com::get_class_object(clsid, iid, out);
}

COM_EXPORT corvo::com::HResult DllCanUnloadNow() { return corvo::com::can_unload() ? 0 : 1; }
#endif
