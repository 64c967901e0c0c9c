#include "site.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "site_keys.h"

namespace collector {

std::optional<Site> parse_site(const std::string& source, const std::string& name, std::vector<std::string>& errors) {
    SiteContext c{name, errors};
    toml::table root;
    try {
        root = toml::parse(source, name);
    } catch (const toml::parse_error& e) {
        c.error(e.source(), std::string(e.description()));
        return std::nullopt;
    }
    Site site;
    site.path = name;
    const std::map<std::string, Keys> sections = {
        {"collector",
         {{"name", text(site.name)}, {"interval", integer(site.interval_s, 1, 86400)},
          {"retry_min", integer(site.retry_min_s, 1, 86400)}, {"retry_max", integer(site.retry_max_s, 1, 86400)},
          {"clock", text(site.clock)}, {"lease", integer(site.lease_s, 5, 3600)},
          {"log_level", choice(site.log_level, {"debug", "info", "warn", "error"})}}},
        {"connection",
         {{"type", choice(site.connection, {"serial", "tcp", "tcp-com", "serial-com"})},
          {"port", integer(site.port, 1, 65535)}, {"map", text(site.map)}}},
        {"store", {{"url", text(site.store)}}},
        {"status", {{"listen", text(site.status, true)}, {"token", text(site.token)}}},
        {"access_list", {{"csv", text(site.access_csv)}, {"from_store", flag(site.access_from_store)}}},
    };
    for (const auto& [key, node] : root) {
        const std::string k(key.str());
        if (k == "terminal") {
            read_terminals(c, node, site);
        } else if (const auto it = sections.find(k); it == sections.end()) {
            c.error(key.source(), "unknown section [" + k + "]");
        } else if (!node.is_table()) {
            c.error(node.source(), "[" + k + "] must be a section");
        } else {
            read_table(c, *node.as_table(), k, it->second);
        }
    }
    check_site(c, root, site);
    if (!errors.empty()) return std::nullopt;
    return site;
}

}  // namespace collector

namespace collector {

std::optional<Site> read_site(const std::string& path, std::vector<std::string>& errors) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        errors.push_back(path + ": cannot read the site file (" + std::strerror(errno) + ")");
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        errors.push_back(path + ": cannot read the site file");
        return std::nullopt;
    }
    return parse_site(text.str(), path, errors);
}

uint8_t Site::connection_type() const {
    static const char* kTypes[] = {"serial", "tcp", "tcp-com", "serial-com"};
    for (uint8_t i = 0; i < 5; ++i) {
        if (connection == kTypes[i]) return i;
    }
    return 1;
}

bool Site::status_is_loopback() const {
    return status.rfind("127.", 0) == 0 || status.rfind("localhost:", 0) == 0 || status.rfind("[::1]:", 0) == 0;
}

}  // namespace collector
