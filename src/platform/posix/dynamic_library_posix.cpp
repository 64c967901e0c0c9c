#include <dlfcn.h>

#include "platform/dynamic_library.h"

namespace varanda::platform {

bool DynamicLibrary::load(const char* file_name) {
    if (handle_ != nullptr) return true;
    handle_ = dlopen(file_name, RTLD_NOW | RTLD_LOCAL);
    return handle_ != nullptr;
}

void* DynamicLibrary::symbol(const char* name) const {
    return handle_ == nullptr ? nullptr : dlsym(handle_, name);
}

void DynamicLibrary::unload() {
    if (handle_ != nullptr) dlclose(handle_);
    handle_ = nullptr;
}

}  // namespace varanda::platform
