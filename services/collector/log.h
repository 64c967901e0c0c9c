// Timestamped, levelled lines on standard error (journald takes them):
// "2026-12-07T16:20:00.123Z info terminal 3: 20 punches stored".
#pragma once
#include <string>

namespace collector {

enum class Level { Debug, Info, Warn, Error };

// Lines below this level are dropped (Info unless set).
void set_log_level(Level level);
// "debug", "info", "warn", "error"; false for anything else.
bool parse_log_level(const std::string& text, Level& level);

void log(Level level, const std::string& text);
inline void log_info(const std::string& text) { log(Level::Info, text); }
inline void log_warn(const std::string& text) { log(Level::Warn, text); }
inline void log_error(const std::string& text) { log(Level::Error, text); }
inline void log_debug(const std::string& text) { log(Level::Debug, text); }

// The current UTC time as "YYYY-MM-DDTHH:MM:SSZ".
std::string utc_now_text();

}  // namespace collector
