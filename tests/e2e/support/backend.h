// The TCP back-end loaded by file name, as the SDK loads it, with its entry
// points typed.
#pragma once
#include <cstdint>
#include <string>

#include "abi/backend_entries.h"
#include "library.h"

namespace e2e {

struct TcpBackend {
#define E2E_TCP_ENTRY(name, result, params) varanda::abi::corvotcp::name* name = nullptr;
    VARANDA_CORVOTCP_ENTRIES(E2E_TCP_ENTRY)
#undef E2E_TCP_ENTRY

    // $CORVO_TCP_LIB, else the platform's file name through the normal search;
    // false unless every entry is there.
    bool load();

private:
    hostkit::Library lib_;
};

// Sets an environment variable of this process (empty value: removes it).
void set_env(const char* name, const std::string& value);

}  // namespace e2e
