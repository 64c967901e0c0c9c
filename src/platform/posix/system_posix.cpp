#include <time.h>
#include <unistd.h>

#include <cstdio>

#include "platform/process_lock.h"
#include "platform/system.h"

namespace varanda::platform {

void sleep_ms(uint32_t ms) {
    const ProcessLockRelease unlocked;
    timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

uint32_t tick_ms() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                                 static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

void pump_messages() {}

int32_t message_box(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption, text != nullptr ? text : "");
    std::fflush(stderr);
    return 1;
}

LocalTime system_local_time() {
    time_t now = time(nullptr);
    tm t{};
    localtime_r(&now, &t);
    return LocalTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                     t.tm_min,         t.tm_sec > 59 ? 59 : t.tm_sec, t.tm_wday};
}

}  // namespace varanda::platform
