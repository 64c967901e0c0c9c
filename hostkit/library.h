// Loading a shared library at run time and finding its symbols, for the hosts
// of this tree (demo, benchmarks, test programs). The one place outside the
// library's platform layer that calls the platform's loader.
#pragma once
#include <cstdlib>
#include <string>

#if defined(_WIN32)
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

namespace hostkit {

class Library {
public:
    Library() = default;
    explicit Library(const std::string& path) { open(path); }
    ~Library() { close(); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool open(const std::string& path) {
        close();
#if defined(_WIN32)
        handle_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
#else
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
        return handle_ != nullptr;
    }
    void close() {
        if (handle_ == nullptr) return;
#if defined(_WIN32)
        FreeLibrary(static_cast<HMODULE>(handle_));
#else
        dlclose(handle_);
#endif
        handle_ = nullptr;
    }
    bool is_open() const { return handle_ != nullptr; }
    void* symbol(const char* name) const {
        if (handle_ == nullptr) return nullptr;
#if defined(_WIN32)
        return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
        return dlsym(handle_, name);
#endif
    }
    // The symbol as a function of type Fn (null when missing).
    template <class Fn>
    Fn function(const char* name) const {
        return reinterpret_cast<Fn>(symbol(name));
    }

private:
    void* handle_ = nullptr;
};

// The value of an environment variable, or `fallback`.
inline std::string env_or(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? std::string(v) : fallback;
}

// A library's file name on this platform: CorvoTCP.dll / libCorvoTCP.so;
// `linux_name` where the Linux file is named otherwise (Varanda.dll / libvaranda.so).
inline std::string library_file(const std::string& name, const std::string& linux_name = "") {
#if defined(_WIN32)
    (void)linux_name;
    return name + ".dll";
#else
    return "lib" + (linux_name.empty() ? name : linux_name) + ".so";
#endif
}

}  // namespace hostkit
