#include "schedule_file.h"

#include <optional>
#include <set>
#include <sstream>

#include "args.h"
#include "text_file.h"

namespace vtool {

namespace {

std::optional<std::pair<uint8_t, uint8_t>> parse_time(const std::string& s) {
    const std::size_t colon = s.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto h = parse_number(s.substr(0, colon), 0, 23);
    const auto m = parse_number(s.substr(colon + 1), 0, 59);
    if (!h || !m || colon > 2 || s.size() - colon - 1 != 2) return std::nullopt;
    return std::make_pair(static_cast<uint8_t>(*h), static_cast<uint8_t>(*m));
}

std::optional<std::set<uint8_t>> parse_days(const std::string& s) {
    std::set<uint8_t> days;
    for (const std::string& item : split_fields(s, ',')) {
        const std::size_t dash = item.find('-');
        const auto a = parse_number(item.substr(0, dash), 1, 7);
        const auto b = dash == std::string::npos ? a : parse_number(item.substr(dash + 1), 1, 7);
        if (!a || !b || *b < *a) return std::nullopt;
        for (long long d = *a; d <= *b; ++d) days.insert(static_cast<uint8_t>(d));
    }
    return days;
}

std::string days_error(const std::string& w) { return "days '" + w + "': weekdays 1 to 7, as a list or ranges (1-5,7)"; }
std::string time_error(const std::string& w) { return "time '" + w + "': HH:MM from 00:00 to 23:59"; }

}  // namespace

ScheduleFile parse_schedule_file(const std::string& text, const std::string& file) {
    ScheduleFile out;
    std::set<std::pair<int, int>> access_days;
    for (const Line& l : content_lines(text)) {
        std::istringstream in(l.text);
        std::vector<std::string> w;
        for (std::string s; in >> s;) w.push_back(s);
        const std::string at = file + ":" + std::to_string(l.number) + ": ";
        if (w[0] == "access") {
            if (w.size() < 4 || w.size() > 7) {
                out.error = at + "expected: access SCHEDULE DAYS HH:MM [up to four times]";
                return out;
            }
            const auto schedule = parse_number(w[1], 1, 100);
            if (!schedule) {
                out.error = at + "schedule '" + w[1] + "' out of range (1 to 100)";
                return out;
            }
            const auto days = parse_days(w[2]);
            if (!days) {
                out.error = at + days_error(w[2]);
                return out;
            }
            std::vector<std::pair<uint8_t, uint8_t>> times;
            for (std::size_t i = 3; i < w.size(); ++i) {
                const auto t = parse_time(w[i]);
                if (!t) {
                    out.error = at + time_error(w[i]);
                    return out;
                }
                times.push_back(*t);
            }
            for (uint8_t d : *days) {
                if (!access_days.emplace(int(*schedule), int(d)).second) {
                    out.error = at + "schedule " + w[1] + " day " + std::to_string(d) + " given twice";
                    return out;
                }
                out.access.push_back({static_cast<uint8_t>(*schedule), d, times});
            }
        } else if (w[0] == "siren") {
            if (w.size() != 3) {
                out.error = at + "expected: siren HH:MM DAYS";
                return out;
            }
            const auto t = parse_time(w[1]);
            if (!t) {
                out.error = at + time_error(w[1]);
                return out;
            }
            const auto days = parse_days(w[2]);
            if (!days) {
                out.error = at + days_error(w[2]);
                return out;
            }
            if (out.sirens.size() == 100) {
                out.error = at + "more than 100 siren times";
                return out;
            }
            SirenTime s{t->first, t->second, {}};
            for (uint8_t d : *days) s.days[d - 1] = 1;
            out.sirens.push_back(s);
        } else {
            out.error = at + "'" + w[0] + "': a line starts with access or siren";
            return out;
        }
    }
    if (out.access.empty() && out.sirens.empty()) out.error = file + ": no schedules";
    return out;
}

}  // namespace vtool
