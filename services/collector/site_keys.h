// The pieces the site file's readers share: where mistakes go, and one
// reader per kind of value, so that each section is a table of keys.
#pragma once
#include <toml++/toml.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "site.h"

namespace collector {

struct SiteContext {
    std::string name;
    std::vector<std::string>& errors;
    void error(const toml::source_region& where, const std::string& what) {
        errors.push_back(name + ": line " + std::to_string(where.begin.line) + ": " + what);
    }
};

// A key's reader: "" when it took the value, else the reason.
using Setter = std::function<std::string(const toml::node&)>;
using Keys = std::map<std::string, Setter>;

Setter integer(int& out, int64_t lo, int64_t hi);
Setter text(std::string& out, bool empty_ok = false);
Setter choice(std::string& out, std::vector<std::string> allowed);
Setter flag(bool& out);

// Reads every key of `table` through `keys`; unknown keys are mistakes too.
void read_table(SiteContext& c, const toml::table& table, const std::string& section, const Keys& keys);

// The [[terminal]] entries (site_terminals.cpp) and the checks across sections (site_checks.cpp).
void read_terminals(SiteContext& c, const toml::node& node, Site& site);
void check_site(SiteContext& c, const toml::table& root, Site& site);

}  // namespace collector
