// The shared object's load and unload: the facade lives between the two.
//
// When the process ends with the library still loaded (a host that never
// unloads it, a Java virtual machine), the destructor runs inside the
// dynamic linker's own shutdown, after the component and back-end libraries
// loaded later may have been finalised; closing them or calling into them
// from there can crash the ending process. The process is ending anyway, so
// nothing is torn down then. An exit handler (run by exit() before the
// shutdown of the libraries, and on an unload only after the destructor)
// tells the two cases apart.
#include <cstdlib>

#include "platform/library_entry.h"
#include "platform/com.h"

namespace {

bool g_process_exiting = false;

void on_process_exit() { g_process_exiting = true; }

__attribute__((constructor)) void on_load() {
    varanda::platform::com::initialize_apartment(true);
    varanda::library_attach();
    std::atexit(on_process_exit);
}

__attribute__((destructor)) void on_unload() {
    if (g_process_exiting) return;
    varanda::library_detach();
    varanda::platform::com::unload_components();
    varanda::platform::com::uninitialize();
}

}  // namespace
