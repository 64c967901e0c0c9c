#include "backend.h"

#include <cstdlib>

namespace e2e {

bool TcpBackend::load() {
    if (!lib_.open(hostkit::env_or("CORVO_TCP_LIB", hostkit::library_file("CorvoTCP")))) return false;
    bool ok = true;
#define E2E_TCP_LOAD(name, result, params) \
    ok = (name = lib_.function<varanda::abi::corvotcp::name*>(#name)) != nullptr && ok;
    VARANDA_CORVOTCP_ENTRIES(E2E_TCP_LOAD)
#undef E2E_TCP_LOAD
    return ok;
}

void set_env(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    if (value.empty())
        unsetenv(name);
    else
        setenv(name, value.c_str(), 1);
#endif
}

}  // namespace e2e
