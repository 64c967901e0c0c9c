// The shared object's load and unload: the facade lives between the two.
#include "api/facade.h"
#include "platform/com.h"

namespace {

__attribute__((constructor)) void on_load() {
    varanda::platform::com::initialize_apartment(true);
    varanda::library_attach();
}

__attribute__((destructor)) void on_unload() {
    varanda::library_detach();
    varanda::platform::com::unload_components();
    varanda::platform::com::uninitialize();
}

}  // namespace
