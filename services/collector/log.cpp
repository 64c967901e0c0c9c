#include "log.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace collector {

namespace {
std::atomic<Level> g_level{Level::Info};
std::mutex g_mutex;
constexpr const char* kLevelNames[] = {"debug", "info", "warn", "error"};

std::string stamp(bool millis) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    gmtime_r(&secs, &tm);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &tm);
    std::string s = text;
    if (millis) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
        std::snprintf(text, sizeof text, ".%03d", static_cast<int>(ms));
        s += text;
    }
    return s + "Z";
}
}  // namespace

void set_log_level(Level level) { g_level = level; }

bool parse_log_level(const std::string& text, Level& level) {
    for (int i = 0; i < 4; ++i) {
        if (text == kLevelNames[i]) {
            level = static_cast<Level>(i);
            return true;
        }
    }
    return false;
}

void log(Level level, const std::string& text) {
    if (level < g_level.load()) return;
    const std::string line = stamp(true) + " " + kLevelNames[static_cast<int>(level)] + " " + text + "\n";
    std::lock_guard<std::mutex> lock(g_mutex);
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string utc_now_text() { return stamp(false); }

}  // namespace collector
