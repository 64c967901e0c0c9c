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

using AccessDays = std::set<std::pair<int, int>>;  // (schedule, weekday) pairs already given

// "access SCHEDULE DAYS HH:MM [HH:MM ...]": one entry a weekday. Returns the
// mistake, or an empty text.
std::string add_access(const std::vector<std::string>& w, ScheduleFile& out, AccessDays& given) {
    if (w.size() < 4 || w.size() > 7) return "expected: access SCHEDULE DAYS HH:MM [up to four times]";
    const auto schedule = parse_number(w[1], 1, 100);
    if (!schedule) return "schedule '" + w[1] + "' out of range (1 to 100)";
    const auto days = parse_days(w[2]);
    if (!days) return days_error(w[2]);
    std::vector<std::pair<uint8_t, uint8_t>> times;
    for (std::size_t i = 3; i < w.size(); ++i) {
        const auto t = parse_time(w[i]);
        if (!t) return time_error(w[i]);
        times.push_back(*t);
    }
    for (uint8_t d : *days) {
        if (!given.emplace(int(*schedule), int(d)).second)
            return "schedule " + w[1] + " day " + std::to_string(d) + " given twice";
        out.access.push_back({static_cast<uint8_t>(*schedule), d, times});
    }
    return {};
}

// "siren HH:MM DAYS". Returns the mistake, or an empty text.
std::string add_siren(const std::vector<std::string>& w, ScheduleFile& out) {
    if (w.size() != 3) return "expected: siren HH:MM DAYS";
    const auto t = parse_time(w[1]);
    if (!t) return time_error(w[1]);
    const auto days = parse_days(w[2]);
    if (!days) return days_error(w[2]);
    if (out.sirens.size() == 100) return "more than 100 siren times";
    SirenTime siren{t->first, t->second, {}};
    for (uint8_t d : *days) siren.days[d - 1] = 1;
    out.sirens.push_back(siren);
    return {};
}

}  // namespace

ScheduleFile parse_schedule_file(const std::string& text, const std::string& file) {
    ScheduleFile out;
    AccessDays given;
    for (const Line& l : content_lines(text)) {
        std::istringstream in(l.text);
        std::vector<std::string> w;
        for (std::string s; in >> s;) w.push_back(s);
        std::string error;
        if (w[0] == "access") error = add_access(w, out, given);
        else if (w[0] == "siren") error = add_siren(w, out);
        else error = "'" + w[0] + "': a line starts with access or siren";
        if (!error.empty()) {
            out.error = file + ":" + std::to_string(l.number) + ": " + error;
            return out;
        }
    }
    if (out.access.empty() && out.sirens.empty()) out.error = file + ": no schedules";
    return out;
}

}  // namespace vtool
