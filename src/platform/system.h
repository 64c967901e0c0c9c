// Time, waiting and the host's user interface.
#pragma once
#include <cstdint>

#include "wire/local_time.h"

namespace varanda::platform {

// Waits without the process lock (platform/process_lock.h): a fixed pause
// inside one operation does not hold other host threads up.
void sleep_ms(uint32_t ms);

// Milliseconds since an arbitrary start, wrapping like the Windows tick.
uint32_t tick_ms();

// Dispatches at most two pending window messages of the calling thread:
// one numbered 1..0x112, one numbered 0x114..0x8000, so that WM_TIMER
// (0x113) stays queued. Nothing to do where there are no window messages.
void pump_messages();

// A modal box with no owner window and the information icon (Windows); the
// caption and the text on standard error elsewhere. Returns 1 when closed.
int32_t message_box(const char* text, const char* caption);

using varanda::LocalTime;

// The host's local time: the system's, or that of the source set below.
LocalTime local_time();

// The system's local time (the platform's own reading).
LocalTime system_local_time();

// Replaces the source of local_time(); nullptr restores the system's. A seam
// for tests that must fix the time.
void set_local_time_source(LocalTime (*source)());

}  // namespace varanda::platform
