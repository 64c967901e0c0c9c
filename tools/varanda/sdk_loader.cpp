#include "sdk.h"

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

namespace vtool {

namespace {
#if defined(_WIN32)
constexpr const char* kLibrary = "Varanda.dll";
void* open_library() { return reinterpret_cast<void*>(LoadLibraryA(kLibrary)); }
void* symbol(void* lib, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(lib), name));
}
#else
constexpr const char* kLibrary = "libvaranda.so";
void* open_library() { return dlopen(kLibrary, RTLD_NOW); }
void* symbol(void* lib, const char* name) { return dlsym(lib, name); }
#endif
}  // namespace

std::string Sdk::load() {
    void* lib = open_library();
    if (lib == nullptr) return std::string("cannot load the SDK (") + kLibrary + "): put it beside the tool or on the library search path";
    std::string missing;
#define VTOOL_LOOKUP(op)                                                 \
    op = reinterpret_cast<decltype(op)>(symbol(lib, #op));              \
    if (op == nullptr) missing += (missing.empty() ? std::string() : ", ") + #op;
    VTOOL_OPERATIONS(VTOOL_LOOKUP)
#undef VTOOL_LOOKUP
    if (!missing.empty()) return std::string(kLibrary) + " lacks " + missing;
    return {};
}

}  // namespace vtool
