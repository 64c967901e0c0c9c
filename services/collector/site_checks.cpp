// The checks that span keys and sections of the site file, and the defaults
// that depend on the machine.
#include <unistd.h>

#include <filesystem>
#include <map>
#include <regex>

#include "db.h"
#include "site_keys.h"

namespace collector {

namespace {

// Where a key is (else its section, else the top of the file).
toml::source_region where(const toml::table& root, const char* section, const char* key) {
    if (const toml::node* n = root.at_path(std::string(section) + "." + key).node()) return n->source();
    if (const toml::node* n = root.get(section)) return n->source();
    toml::source_region top;
    top.begin.line = 1;
    return top;
}

bool is_endpoint(const std::string& s, long lowest_port = 1) {
    static const std::regex kEndpoint(R"(^([A-Za-z0-9.\-]+|\[[0-9a-fA-F:]+\]):([0-9]{1,5})$)");
    std::smatch m;
    if (!std::regex_match(s, m, kEndpoint)) return false;
    const long port = std::stol(m[2]);
    return port >= lowest_port && port <= 65535;
}

void check_terminals(SiteContext& c, const toml::table& root, Site& site) {
    if (site.terminals.empty() && !root.contains("terminal")) {
        c.error(where(root, "terminal", ""), "no [[terminal]] section: the site file names no terminal to collect");
    }
    std::map<int64_t, int> seen;
    const bool tcp = site.connection == "tcp" || site.connection == "tcp-com";
    for (const SiteTerminal& t : site.terminals) {
        toml::source_region at;
        at.begin.line = static_cast<toml::source_index>(t.line);
        if (const auto [it, fresh] = seen.emplace(t.number, t.line); !fresh) {
            c.error(at, "terminal " + std::to_string(t.number) + " is named twice (also on line " +
                            std::to_string(it->second) + ")");
        }
        if (t.address.empty()) continue;
        if (!site.map.empty()) {
            c.error(at, "terminal " + std::to_string(t.number) + ": an address and connection.map at once");
        } else if (tcp && !is_endpoint(t.address)) {
            c.error(at, "address '" + t.address + "' is not HOST:PORT (port 1..65535)");
        } else if (!tcp) {
            c.error(at, "address: only tcp and tcp-com terminals have addresses of their own");
        }
    }
}

void check_service(SiteContext& c, const toml::table& root, Site& site) {
    static const std::regex kTime(R"(^([01][0-9]|2[0-3]):[0-5][0-9]$)");
    if (site.store.empty()) c.error(where(root, "store", "url"), "store.url is missing: a SQLite file or a postgresql:// URL");
    if (site.clock != "never" && site.clock != "each-pass" && !std::regex_match(site.clock, kTime))
        c.error(where(root, "collector", "clock"), "collector.clock: expected never, each-pass or HH:MM");
    if (site.retry_min_s > site.retry_max_s)
        c.error(where(root, "collector", "retry_min"), "collector.retry_min is above collector.retry_max");
    const bool off = site.status.empty() || site.status == "off";
    if (!off && !is_endpoint(site.status, 0))  // port 0: any free port, named in the log
        c.error(where(root, "status", "listen"), "status.listen: expected HOST:PORT or off");
    if (!off && !site.status_is_loopback() && site.token.empty())
        c.error(where(root, "status", "listen"), "status.listen is not on this machine only: status.token is required");
    if (!site.access_csv.empty() && site.access_from_store)
        c.error(where(root, "access_list", "csv"), "access_list: csv and from_store at once; choose one");
    if (!site.access_csv.empty() && access(site.access_csv.c_str(), R_OK) != 0)
        c.error(where(root, "access_list", "csv"), "access_list.csv: cannot read " + site.access_csv);
    if (!site.map.empty() && access(site.map.c_str(), R_OK) != 0)
        c.error(where(root, "connection", "map"), "connection.map: cannot read " + site.map);
}

// A relative path in the site file is relative to the site file's folder.
void resolve(std::string& path, const std::string& site_path) {
    if (path.empty() || path[0] == '/' || is_postgres_url(path)) return;
    const auto folder = std::filesystem::path(site_path).parent_path();
    if (!folder.empty()) path = (folder / path).string();
}

}  // namespace

void check_site(SiteContext& c, const toml::table& root, Site& site) {
    for (std::string* p : {&site.store, &site.access_csv, &site.map}) resolve(*p, site.path);
    check_terminals(c, root, site);
    check_service(c, root, site);
    if (site.name.empty()) {
        char host[256] = {};
        gethostname(host, sizeof host - 1);
        site.name = host;
    }
}

}  // namespace collector
