#include "card_list.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "args.h"
#include "text_file.h"

namespace vtool {

namespace {
constexpr int kScheduleMax = 102;  // the access schedules and the two fixed ones

bool all_digits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}
bool is_word(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isalpha(c) || c == '_' || c == ' '; });
}
std::string at(const std::string& file, int line) { return file + ":" + std::to_string(line) + ": "; }

// One line's card and schedule into e. Returns the mistake, or an empty text.
std::string read_entry(const std::vector<std::string>& f, const CardRules& rules, CardEntry& e) {
    if (f.size() > 2 || (f.size() == 1 && rules.schedule_required)) return "expected card,schedule";
    e.card = f[0];
    if (!all_digits(e.card)) return "card '" + printable(e.card) + "' is not a number (digits only)";
    if (e.card.size() > 16)
        return "card " + e.card + " has " + std::to_string(e.card.size()) + " digits; a card has at most 16";
    if (rules.pattern == 0 && (e.card.size() > 5 || std::stol(e.card) > 65000))
        return "card " + e.card + " is above 65000, the largest card of card pattern 0";
    if (f.size() == 2) {
        const auto s = parse_number(f[1], 1, kScheduleMax);
        if (!s) return "schedule '" + printable(f[1]) + "' out of range (1 to " + std::to_string(kScheduleMax) + ")";
        e.schedule = static_cast<uint8_t>(*s);
    }
    return {};
}
}  // namespace

std::string card_key(const std::string& digits) {
    const std::size_t p = digits.find_first_not_of('0');
    return p == std::string::npos ? "0" : digits.substr(p);
}

CardList parse_card_list(const std::string& text, const std::string& file, const CardRules& rules) {
    CardList list;
    std::unordered_map<std::string, int> seen;
    const std::vector<Line> lines = content_lines(without_bom(text));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        const std::vector<std::string> f = csv_fields(l.text);
        if (i == 0 && std::all_of(f.begin(), f.end(), is_word)) continue;  // the header line
        CardEntry e;
        e.line = l.number;
        std::string error = read_entry(f, rules, e);
        if (const auto [it, fresh] = seen.emplace(card_key(e.card), l.number); error.empty() && !fresh)
            error = "card " + e.card + " repeats line " + std::to_string(it->second);
        if (!error.empty()) {
            list.error = at(file, l.number) + error;
            return list;
        }
        list.entries.push_back(std::move(e));
    }
    if (list.entries.empty()) list.error = file + ": no cards";
    return list;
}

std::string check_card_lengths(const CardList& list, const std::string& file, unsigned digits) {
    for (const CardEntry& e : list.entries)
        if (e.card.size() > digits)
            return at(file, e.line) + "card " + e.card + " has " + std::to_string(e.card.size()) +
                   " digits, too many for the configured card length of " + std::to_string(digits);
    return {};
}

}  // namespace vtool
