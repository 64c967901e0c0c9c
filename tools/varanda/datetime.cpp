#include "datetime.h"

#include <cstdio>
#include <ctime>

#include "args.h"

namespace vtool {

namespace {
bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int days_in(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}
}  // namespace

std::optional<DateTime> parse_datetime(const std::string& s, bool with_seconds) {
    const std::size_t length = with_seconds ? 19 : 16;
    if (s.size() != length || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' ||
        (with_seconds && s[16] != ':'))
        return std::nullopt;
    const auto part = [&](std::size_t at, std::size_t n, int lo, int hi) { return parse_number(s.substr(at, n), lo, hi); };
    const auto y = part(0, 4, 2000, 2099), mo = part(5, 2, 1, 12), d = part(8, 2, 1, 31), h = part(11, 2, 0, 23),
               mi = part(14, 2, 0, 59);
    const auto se = with_seconds ? part(17, 2, 0, 59) : std::optional<long long>(0);
    if (!y || !mo || !d || !h || !mi || !se || *d > days_in(int(*y), int(*mo))) return std::nullopt;
    return DateTime{int(*y), int(*mo), int(*d), int(*h), int(*mi), int(*se)};
}

DateTime local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
#if defined(_WIN32)
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string iso_date(int year, int month, int day) {
    char b[32];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", year, month, day);
    return b;
}

std::string iso_time(int hour, int minute, int second) {
    char b[32];
    if (second < 0) std::snprintf(b, sizeof b, "%02d:%02d", hour, minute);
    else std::snprintf(b, sizeof b, "%02d:%02d:%02d", hour, minute, second);
    return b;
}

}  // namespace vtool
