#include <mutex>

#include "platform/process_lock.h"

namespace varanda::platform {

namespace {
std::recursive_mutex g_lock;
}

void process_lock() { g_lock.lock(); }
void process_unlock() { g_lock.unlock(); }

}  // namespace varanda::platform
