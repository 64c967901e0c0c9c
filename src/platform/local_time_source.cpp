// Where local_time() reads the clock: the system, unless a test fixed it.
#include "platform/system.h"

namespace varanda::platform {

namespace {
LocalTime (*g_source)() = nullptr;
}

void set_local_time_source(LocalTime (*source)()) { g_source = source; }

LocalTime local_time() { return g_source != nullptr ? g_source() : system_local_time(); }

}  // namespace varanda::platform
