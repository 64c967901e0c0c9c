#include "platform/clock_source.h"

#include "platform/system.h"

namespace varanda::platform {

namespace {

class SystemClock final : public ClockSource {
public:
    uint32_t tick_ms() override { return platform::tick_ms(); }
    void sleep_ms(uint32_t ms) override { platform::sleep_ms(ms); }
};

SystemClock g_system_clock;
ClockSource* g_current = &g_system_clock;

}  // namespace

ClockSource& clock_source() { return *g_current; }

ScopedClockSource::ScopedClockSource(ClockSource& replacement) : previous_(g_current) { g_current = &replacement; }

ScopedClockSource::~ScopedClockSource() { g_current = previous_; }

}  // namespace varanda::platform
