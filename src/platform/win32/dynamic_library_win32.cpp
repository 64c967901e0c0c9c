#include <windows.h>

#include "platform/dynamic_library.h"

namespace varanda::platform {

bool DynamicLibrary::load(const char* file_name) {
    if (handle_ != nullptr) return true;
    handle_ = reinterpret_cast<void*>(LoadLibraryA(file_name));
    return handle_ != nullptr;
}

void* DynamicLibrary::symbol(const char* name) const {
    if (handle_ == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void DynamicLibrary::unload() {
    if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
    handle_ = nullptr;
}

}  // namespace varanda::platform
