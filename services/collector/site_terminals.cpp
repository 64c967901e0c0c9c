// [[terminal]] entries: which terminals, how to reach them, their model,
// card settings and time zone.
#include <filesystem>

#include "args.h"
#include "site_keys.h"

namespace collector {

namespace {

constexpr const char* kZoneDir = "/usr/share/zoneinfo/";

// `numbers` as 5, "1-50,60" or [1, 2, "5-9"].
std::string read_numbers(const toml::node& n, std::vector<int64_t>& out) {
    if (const toml::array* a = n.as_array()) {
        for (const toml::node& item : *a) {
            if (std::string e = read_numbers(item, out); !e.empty()) return e;
        }
        return {};
    }
    if (n.is_integer()) {
        const int64_t v = *n.value<int64_t>();
        if (v < 0 || v > 0xFFFFFFFFLL) return "terminal numbers are 0..4294967295";
        out.push_back(v);
        return {};
    }
    if (!n.is_string()) return "expected a number, a list like \"1,3-5\" or an array of them";
    std::string error;
    const auto list = vtool::parse_terminal_list(*n.value<std::string>(), error);
    if (!list) return error;
    out.insert(out.end(), list->begin(), list->end());
    return {};
}

std::string read_zone(const toml::node& n, std::string& out) {
    if (std::string e = text(out)(n); !e.empty()) return e;
    if (out.find("..") != std::string::npos || !std::filesystem::is_regular_file(kZoneDir + out))
        return "unknown time zone '" + out + "' (not in " + std::string(kZoneDir) + ")";
    return {};
}

void read_entry(SiteContext& c, const toml::table& entry, Site& site) {
    SiteTerminal site_terminal;
    site_terminal.line = static_cast<int>(entry.source().begin.line);
    std::vector<int64_t> numbers;
    std::string model = "current";
    const Keys keys = {
        {"numbers", [&](const toml::node& n) { return read_numbers(n, numbers); }},
        {"address", text(site_terminal.address)},
        {"model", choice(model, {"current", "old"})},
        {"card_digits", integer(site_terminal.card_digits, 1, 16)},
        {"card_pattern", integer(site_terminal.card_pattern, 0, 1)},
        {"time_zone", [&](const toml::node& n) { return read_zone(n, site_terminal.time_zone); }},
    };
    const size_t before = c.errors.size();
    read_table(c, entry, "terminal", keys);
    if (!entry.contains("numbers")) c.error(entry.source(), "[[terminal]] without numbers");
    if (c.errors.size() != before) return;
    site_terminal.model = model == "old" ? Model::Old : Model::Current;
    for (int64_t t : numbers) {
        site_terminal.number = t;
        site.terminals.push_back(site_terminal);
    }
}

}  // namespace

void read_terminals(SiteContext& c, const toml::node& node, Site& site) {
    const toml::array* entries = node.as_array();
    if (entries == nullptr || !entries->is_array_of_tables()) {
        c.error(node.source(), "terminals are given as [[terminal]] sections");
        return;
    }
    for (const toml::node& e : *entries) read_entry(c, *e.as_table(), site);
}

}  // namespace collector
