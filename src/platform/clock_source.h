// The clock that waiting loops read: the platform's tick and sleep, unless a
// test has put its own clock in their place. Code that measures a time-out
// in ticks and waits between polls takes both from here, so that a test can
// drive the time-out without waiting for it.
#pragma once
#include <cstdint>

namespace varanda::platform {

class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual uint32_t tick_ms() = 0;           // wraps like the Windows tick
    virtual void sleep_ms(uint32_t ms) = 0;
};

// The clock in use: the platform's unless a replacement is installed.
ClockSource& clock_source();

// Installs `replacement` for the life of this object (tests only; not for
// use while another thread is inside the library).
class ScopedClockSource {
public:
    explicit ScopedClockSource(ClockSource& replacement);
    ~ScopedClockSource();
    ScopedClockSource(const ScopedClockSource&) = delete;
    ScopedClockSource& operator=(const ScopedClockSource&) = delete;

private:
    ClockSource* previous_;
};

}  // namespace varanda::platform
