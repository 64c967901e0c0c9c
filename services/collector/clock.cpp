// Setting the terminals' clocks: after a successful collection only (any
// exchange acknowledges a punch handed over before it), in the terminal's own
// time zone, on every pass or once a day from a time of day.
#include <cstdlib>
#include <ctime>

#include "log.h"
#include "service.h"

namespace collector {

namespace {
// Seconds east of UTC in `zone` now ("" the machine's). Changes the process's
// TZ for a moment: called before the pass's threads start.
long offset_of(const std::string& zone, std::time_t now) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    if (!zone.empty()) setenv("TZ", zone.c_str(), 1);
    tzset();
    std::tm tm{};
    localtime_r(&now, &tm);
    if (!zone.empty()) {
        if (old) {
            setenv("TZ", saved.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    return tm.tm_gmtoff;
}
}  // namespace

void Service::prepare_clocks() {
    if (site_.clock == "never") return;
    const std::time_t now = std::time(nullptr);
    zone_offsets_.clear();
    for (const auto& [t, terminal] : site_terminals_) {
        if (!zone_offsets_.count(terminal.time_zone))
            zone_offsets_[terminal.time_zone] = offset_of(terminal.time_zone, now);
    }
}

std::string Service::set_clock(const SiteTerminal& site_terminal) {
    if (site_.clock == "never") return {};
    const auto zone = zone_offsets_.find(site_terminal.time_zone);  // read only while the pass runs
    const std::time_t local = std::time(nullptr) + (zone == zone_offsets_.end() ? 0 : zone->second);
    std::tm tm{};
    gmtime_r(&local, &tm);
    char date[16], hhmm[8];
    std::strftime(date, sizeof date, "%Y-%m-%d", &tm);
    std::strftime(hhmm, sizeof hhmm, "%H:%M", &tm);
    const auto t = static_cast<int32_t>(site_terminal.number);
    Health& h = health_[t];
    if (site_.clock != "each-pass" && (h.clock_set_on == date || hhmm < site_.clock)) return {};
    auto byte = [](int v) { return static_cast<uint8_t>(v); };
    const uint8_t code = sdk_.api.EnviarRelogio(t, byte(tm.tm_mday), byte(tm.tm_mon + 1), byte(tm.tm_year % 100),
                                                byte(tm.tm_hour), byte(tm.tm_min), byte(tm.tm_sec));
    ++metrics_.exchanges;
    if (code != 0) {
        metrics_.failed("clock");
        return "setting the clock failed (code " + std::to_string(code) + ")";
    }
    h.clock_set_on = date;
    log_debug("terminal " + std::to_string(site_terminal.number) + ": clock set to " + date + " " + hhmm);
    return {};
}

}  // namespace collector
