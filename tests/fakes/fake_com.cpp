// A fake TCP or serial COM component (FAKE_TCP_COM / FAKE_SERIAL_COM):
// records each method call and answers from the script.
//
// Results: Open, Send, SendResponse, Close take their queued result: > 0
// answers true, 0 false, < 0 is returned as a failing HRESULT. A receive takes
// the next queued answer: result 40 answers true with the answer's bytes (the
// array is replaced when their count differs from the array's), < 0 fails
// with that HRESULT, anything else (or no answer) answers false.
//
// Recorded ints: TCP Open port; Send terminal, command, index, count;
// SendResponse terminal, response; Receive / ReceiveNoReply terminal, command,
// length, count. Serial: the same without the terminal.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

#include "comm/com_interfaces.h"
#include "fake_state.h"

#if defined(_WIN32)
#  include <windows.h>
#  include <oleauto.h>
#  define COM_EXPORT extern "C"
#else
#  include "platform/posix/com_abi.h"
#  define COM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using namespace varanda::com_itf;
namespace {

constexpr HResult kOk = 0;
constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
constexpr HResult kNotImpl = static_cast<HResult>(0x80004001u);
constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);
constexpr Guid kIidUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr Guid kIidClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

bool same(const Guid* a, const Guid& b) { return std::memcmp(a, &b, sizeof b) == 0; }

#if defined(FAKE_TCP_COM)
constexpr Guid kClsid = kTcpClsid;
constexpr Guid kIid = kTcpIid;
#else
constexpr Guid kClsid = kSerialClsid;
constexpr Guid kIid = kSerialIid;
#endif

// --- byte arrays ------------------------------------------------------------
#if defined(_WIN32)
SafeArray* new_array(uint32_t n) { return reinterpret_cast<SafeArray*>(SafeArrayCreateVector(VT_UI1, 0, n)); }
void free_array(SafeArray* a) { SafeArrayDestroy(reinterpret_cast<SAFEARRAY*>(a)); }
uint32_t count_of(SafeArray* a) {
    LONG lo = 0, hi = -1;
    SafeArrayGetLBound(reinterpret_cast<SAFEARRAY*>(a), 1, &lo);
    SafeArrayGetUBound(reinterpret_cast<SAFEARRAY*>(a), 1, &hi);
    return static_cast<uint32_t>(hi - lo + 1);
}
uint8_t* bytes_of(SafeArray* a) { return static_cast<uint8_t*>(reinterpret_cast<SAFEARRAY*>(a)->pvData); }
#else
namespace pc = varanda::posix_com;
SafeArray* new_array(uint32_t n) { return reinterpret_cast<SafeArray*>(pc::safe_array_create_vector(n)); }
void free_array(SafeArray* a) { pc::safe_array_destroy(reinterpret_cast<pc::SafeArrayData*>(a)); }
uint32_t count_of(SafeArray* a) { return reinterpret_cast<pc::SafeArrayData*>(a)->count; }
uint8_t* bytes_of(SafeArray* a) { return reinterpret_cast<pc::SafeArrayData*>(a)->data; }
#endif

int32_t count_or_minus(SafeArray** a) { return (a != nullptr && *a != nullptr) ? static_cast<int32_t>(count_of(*a)) : -1; }

HResult boolean(const char* entry, VariantBool* ok) {
    const int32_t r = fake::result_for(entry, 1);
    if (r < 0) return r;
    *ok = r > 0 ? -1 : 0;
    return kOk;
}

HResult receive(SafeArray** array, VariantBool* ok) {
    *ok = 0;
    fake::Answer a;
    if (!fake::next_answer(a)) return kOk;
    if (a.result < 0) return a.result;
    if (a.result != 40) return kOk;
    if (*array == nullptr || count_of(*array) != a.bytes.size()) {
        if (*array != nullptr) free_array(*array);
        *array = new_array(static_cast<uint32_t>(a.bytes.size()));
    }
    if (!a.bytes.empty()) std::memcpy(bytes_of(*array), a.bytes.data(), a.bytes.size());
    *ok = -1;
    return kOk;
}

// --- the object ---------------------------------------------------------------
std::atomic<int> g_objects{0};

struct Object;
HResult VARANDA_COM_CALL QueryInterface(void* self, const Guid* iid, void** out);
uint32_t VARANDA_COM_CALL AddRef(void* self);
uint32_t VARANDA_COM_CALL Release(void* self);
HResult VARANDA_COM_CALL GetTypeInfoCount(void*, uint32_t* n) { *n = 0; return kOk; }
HResult VARANDA_COM_CALL GetTypeInfo(void*, uint32_t, uint32_t, void**) { return kNotImpl; }
HResult VARANDA_COM_CALL GetIDsOfNames(void*, const Guid*, void*, uint32_t, uint32_t, int32_t*) { return kNotImpl; }
HResult VARANDA_COM_CALL Invoke(void*, int32_t, const Guid*, uint32_t, uint16_t, void*, void*, void*, uint32_t*) {
    return kNotImpl;
}
constexpr DispatchSlots kDispatch{QueryInterface, AddRef, Release, GetTypeInfoCount, GetTypeInfo, GetIDsOfNames, Invoke};

#if defined(FAKE_TCP_COM)
HResult VARANDA_COM_CALL Open(void*, int32_t port, VariantBool* ok) {
    fake::record("Open", {port});
    return boolean("Open", ok);
}
HResult VARANDA_COM_CALL Close(void*, VariantBool* ok) {
    fake::record("Close", {});
    return boolean("Close", ok);
}
HResult VARANDA_COM_CALL ReceiveNoReply(void*, int32_t t, uint8_t c, SafeArray** a, int32_t len, VariantBool* ok) {
    fake::record("ReceiveNoReply", {t, c, len, count_or_minus(a)});
    return receive(a, ok);
}
HResult VARANDA_COM_CALL Send(void*, int32_t t, uint8_t c, SafeArray** a, uint8_t index, VariantBool* ok) {
    fake::record("Send", {t, c, index, count_or_minus(a)}, bytes_of(*a), static_cast<int32_t>(count_of(*a)));
    return boolean("Send", ok);
}
HResult VARANDA_COM_CALL SendResponse(void*, int32_t t, uint8_t r, VariantBool* ok) {
    fake::record("SendResponse", {t, r});
    return boolean("SendResponse", ok);
}
HResult VARANDA_COM_CALL Receive(void*, int32_t t, uint8_t c, SafeArray** a, int32_t len, VariantBool* ok) {
    fake::record("Receive", {t, c, len, count_or_minus(a)});
    return receive(a, ok);
}
using Vtbl = TcpComVtbl;
constexpr Vtbl kVtbl{kDispatch, Open, Close, ReceiveNoReply, Send, SendResponse, Receive};
#else
HResult VARANDA_COM_CALL Reserved(void*) { return kOk; }
HResult VARANDA_COM_CALL Open(void*, int16_t port, VariantBool* ok) {
    fake::record("Open", {port});
    return boolean("Open", ok);
}
HResult VARANDA_COM_CALL Send(void*, int32_t c, SafeArray** a, VariantBool* ok) {
    fake::record("Send", {c, count_or_minus(a)}, bytes_of(*a), static_cast<int32_t>(count_of(*a)));
    return boolean("Send", ok);
}
HResult VARANDA_COM_CALL SendResponse(void*, uint8_t r, VariantBool* ok) {
    fake::record("SendResponse", {r});
    return boolean("SendResponse", ok);
}
HResult VARANDA_COM_CALL Receive(void*, int32_t c, SafeArray** a, int32_t len, VariantBool* ok) {
    fake::record("Receive", {c, len, count_or_minus(a)});
    return receive(a, ok);
}
HResult VARANDA_COM_CALL ReceiveNoReply(void*, int32_t c, SafeArray** a, int32_t len, VariantBool* ok) {
    fake::record("ReceiveNoReply", {c, len, count_or_minus(a)});
    return receive(a, ok);
}
HResult VARANDA_COM_CALL Close(void*) {
    fake::record("Close", {});
    const int32_t r = fake::result_for("Close", 1);
    return r < 0 ? r : kOk;
}
using Vtbl = SerialComVtbl;
constexpr Vtbl kVtbl{kDispatch, Reserved, Open, Send, SendResponse, Receive, ReceiveNoReply, Close};
#endif

struct Object {
    const Vtbl* vtbl = &kVtbl;
    std::atomic<uint32_t> refs{1};
};

HResult VARANDA_COM_CALL QueryInterface(void* self, const Guid* iid, void** out) {
    if (same(iid, kIidUnknown) || same(iid, kIidDispatch) || same(iid, kIid)) {
        AddRef(self);
        *out = self;
        return kOk;
    }
    *out = nullptr;
    return kNoInterface;
}
uint32_t VARANDA_COM_CALL AddRef(void* self) { return ++static_cast<Object*>(self)->refs; }
uint32_t VARANDA_COM_CALL Release(void* self) {
    auto* o = static_cast<Object*>(self);
    const uint32_t n = --o->refs;
    if (n == 0) {
        delete o;
        --g_objects;
    }
    return n;
}

// --- the class factory ------------------------------------------------------------
struct FactoryVtbl {
    HResult(VARANDA_COM_CALL* QueryInterface)(void*, const Guid*, void**);
    uint32_t(VARANDA_COM_CALL* AddRef)(void*);
    uint32_t(VARANDA_COM_CALL* Release)(void*);
    HResult(VARANDA_COM_CALL* CreateInstance)(void*, void*, const Guid*, void**);
    HResult(VARANDA_COM_CALL* LockServer)(void*, int32_t);
};
HResult VARANDA_COM_CALL FactoryQuery(void* self, const Guid* iid, void** out) {
    if (same(iid, kIidUnknown) || same(iid, kIidClassFactory)) {
        *out = self;
        return kOk;
    }
    *out = nullptr;
    return kNoInterface;
}
uint32_t VARANDA_COM_CALL FactoryAddRef(void*) { return 2; }
uint32_t VARANDA_COM_CALL FactoryRelease(void*) { return 1; }
HResult VARANDA_COM_CALL CreateInstance(void*, void* outer, const Guid* iid, void** out) {
    *out = nullptr;
    if (outer != nullptr) return static_cast<HResult>(0x80040110u);  // no aggregation
    if (fake::result_for("Create", 1) <= 0) return static_cast<HResult>(0x80004005u);
    auto* o = new Object();
    ++g_objects;
    const HResult hr = QueryInterface(o, iid, out);
    Release(o);
    return hr;
}
HResult VARANDA_COM_CALL LockServer(void*, int32_t) { return kOk; }
constexpr FactoryVtbl kFactoryVtbl{FactoryQuery, FactoryAddRef, FactoryRelease, CreateInstance, LockServer};
struct Factory {
    const FactoryVtbl* vtbl = &kFactoryVtbl;
} g_factory;

}  // namespace

#if defined(_WIN32)
// The system declares these entries with its own types.
STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    *out = nullptr;
    if (!same(reinterpret_cast<const Guid*>(&clsid), kClsid)) return kClassNotAvailable;
    return FactoryQuery(&g_factory, reinterpret_cast<const Guid*>(&iid), out);
}

STDAPI DllCanUnloadNow() { return g_objects == 0 ? S_OK : S_FALSE; }

namespace {
HMODULE self_module() {
    HMODULE m = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&self_module), &m);
    return m;
}
std::string clsid_key() {
    char text[64];
    std::snprintf(text, sizeof text, "CLSID\\{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(kClsid.data1), kClsid.data2, kClsid.data3, kClsid.data4[0],
                  kClsid.data4[1], kClsid.data4[2], kClsid.data4[3], kClsid.data4[4], kClsid.data4[5],
                  kClsid.data4[6], kClsid.data4[7]);
    return text;
}
}  // namespace

// Registers the component under HKEY_CLASSES_ROOT.
STDAPI DllRegisterServer() {
    char path[MAX_PATH];
    if (GetModuleFileNameA(self_module(), path, MAX_PATH) == 0) return E_FAIL;
    HKEY key;
    const std::string name = clsid_key() + "\\InprocServer32";
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return E_FAIL;
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path), static_cast<DWORD>(strlen(path) + 1));
    const char model[] = "Both";
    RegSetValueExA(key, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(model), sizeof model);
    RegCloseKey(key);
    return S_OK;
}

STDAPI DllUnregisterServer() {
    const std::string base = clsid_key();
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (base + "\\InprocServer32").c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, base.c_str());
    return S_OK;
}
#else
COM_EXPORT HResult VARANDA_COM_CALL DllGetClassObject(const Guid* clsid, const Guid* iid, void** out) {
    *out = nullptr;
    if (!same(clsid, kClsid)) return kClassNotAvailable;
    return FactoryQuery(&g_factory, iid, out);
}

COM_EXPORT HResult VARANDA_COM_CALL DllCanUnloadNow() { return g_objects == 0 ? 0 : 1; }
#endif

// Live component objects, so that tests can see that the SDK released them.
FAKE_EXPORT int32_t Fake_LiveObjects() { return g_objects; }
