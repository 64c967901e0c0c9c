#include <windows.h>

#include "platform/process_lock.h"

namespace varanda::platform {

namespace {
// Initialised by the runtime's static construction, before DllMain runs.
struct Lock {
    CRITICAL_SECTION cs;
    Lock() { InitializeCriticalSection(&cs); }
    ~Lock() { DeleteCriticalSection(&cs); }
} g_lock;
}  // namespace

void process_lock() { EnterCriticalSection(&g_lock.cs); }
void process_unlock() { LeaveCriticalSection(&g_lock.cs); }

}  // namespace varanda::platform
