// Loading a library and finding its symbols, for the test hosts.
#pragma once
#include <string>

namespace testsupport {

class Library {
public:
    Library() = default;
    explicit Library(const std::string& path) { open(path); }
    ~Library() { close(); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool open(const std::string& path);
    void close();
    bool is_open() const { return handle_ != nullptr; }
    void* symbol(const char* name) const;

private:
    void* handle_ = nullptr;
};

// The value of an environment variable, or `fallback`.
std::string env_or(const char* name, const std::string& fallback);

}  // namespace testsupport
