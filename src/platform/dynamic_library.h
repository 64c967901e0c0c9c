// Loading a library by file name through the platform's normal search.
#pragma once

namespace varanda::platform {

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary() { unload(); }
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    bool load(const char* file_name);
    void* symbol(const char* name) const;  // null when missing or not loaded
    void unload();
    bool loaded() const { return handle_ != nullptr; }

private:
    void* handle_ = nullptr;
};

}  // namespace varanda::platform
