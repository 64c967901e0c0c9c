#include "platform/process_lock.h"

namespace varanda::platform {

namespace {
thread_local int t_levels = 0;
}

void process_lock_level() {
    process_lock();
    ++t_levels;
}

void process_unlock_level() {
    --t_levels;
    process_unlock();
}

int process_release_all() {
    const int levels = t_levels;
    for (int i = 0; i < levels; ++i) process_unlock();
    t_levels = 0;
    return levels;
}

void process_reacquire(int levels) {
    for (int i = 0; i < levels; ++i) process_lock();
    t_levels = levels;
}

}  // namespace varanda::platform
