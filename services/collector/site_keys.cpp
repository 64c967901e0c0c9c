#include "site_keys.h"

namespace collector {

Setter integer(int& out, int64_t lo, int64_t hi) {
    return [&out, lo, hi](const toml::node& n) -> std::string {
        const auto v = n.value<int64_t>();
        if (!n.is_integer() || !v) return "expected a whole number";
        if (*v < lo || *v > hi) return "must be " + std::to_string(lo) + ".." + std::to_string(hi);
        out = static_cast<int>(*v);
        return {};
    };
}
Setter text(std::string& out, bool empty_ok) {
    return [&out, empty_ok](const toml::node& n) -> std::string {
        if (!n.is_string()) return "expected a text in quotes";
        out = *n.value<std::string>();
        if (out.empty() && !empty_ok) return "must not be empty";
        return {};
    };
}
Setter choice(std::string& out, std::vector<std::string> allowed) {
    return [&out, allowed](const toml::node& n) -> std::string {
        std::string v;
        if (std::string e = text(v)(n); !e.empty()) return e;
        for (const std::string& a : allowed) {
            if (a == v) {
                out = v;
                return {};
            }
        }
        std::string list;
        for (const std::string& a : allowed) list += (list.empty() ? "" : ", ") + a;
        return "'" + v + "' is not one of " + list;
    };
}
Setter flag(bool& out) {
    return [&out](const toml::node& n) -> std::string {
        if (!n.is_boolean()) return "expected true or false";
        out = *n.value<bool>();
        return {};
    };
}

void read_table(SiteContext& c, const toml::table& table, const std::string& section, const Keys& keys) {
    for (const auto& [key, node] : table) {
        const std::string k(key.str());
        const auto it = keys.find(k);
        if (it == keys.end()) {
            c.error(key.source(), "unknown key '" + k + "' in [" + section + "]");
        } else if (std::string e = it->second(node); !e.empty()) {
            c.error(node.source(), section + "." + k + ": " + e);
        }
    }
}

}  // namespace collector
