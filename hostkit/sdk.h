// The SDK loaded as a host loads it, with every operation in the generated
// table of typed pointers (api_table.h): no host writes a signature by hand.
#pragma once
#include <string>

#include "api_table.h"
#include "library.h"

namespace hostkit {

// Where the SDK is: $VARANDA_SDK, else the platform's file name.
inline std::string sdk_path() { return env_or("VARANDA_SDK", library_file("Varanda", "varanda")); }

class Sdk {
public:
    // Loads the library and resolves the table; false when the library does
    // not load or an operation is missing (the ones found stay set).
    bool load(const std::string& path = sdk_path()) {
        unload();
        return lib_.open(path) && api.resolve([this](const char* name) { return lib_.symbol(name); });
    }
    void unload() {
        api = VarandaApi{};
        lib_.close();
    }
    bool loaded() const { return lib_.is_open(); }
    void* symbol(const char* name) const { return lib_.symbol(name); }

    VarandaApi api;

private:
    Library lib_;
};

}  // namespace hostkit
