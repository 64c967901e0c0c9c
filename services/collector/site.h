// The site file (TOML): the terminals and how to reach them, the schedule,
// the store, the status address. Every mistake is reported with its line.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace collector {

enum class Model { Current, Old };

struct SiteTerminal {
    int64_t number = 0;
    std::string address;  // "host:port" (tcp) or a device (serial); "" for the connection's own
    Model model = Model::Current;
    int card_digits = 14, card_pattern = 1;
    std::string time_zone;  // "" for the machine's
    int line = 0;           // where the site file names it
};

struct Site {
    std::string path;  // the site file itself
    std::string name;  // this collector's name (the lease holder)
    int interval_s = 300;
    int retry_min_s = 5, retry_max_s = 600;
    std::string clock = "never";  // "never", "each-pass" or "HH:MM" (daily, local time)
    int lease_s = 30;
    std::string log_level = "info";

    std::string connection = "tcp";  // serial, tcp, tcp-com, serial-com (a modem line is not served)
    int port = 3000;
    std::string map;                 // a terminal address map file to use as it is

    std::string store;                // a file name (SQLite) or a postgresql:// URL
    std::string status = "127.0.0.1:8080";  // "" or "off": no status server
    std::string token;

    std::string access_csv;           // the access list's CSV file, or
    bool access_from_store = false;   // the store's access_list table

    std::vector<SiteTerminal> terminals;

    uint8_t connection_type() const;
    bool status_is_loopback() const;
};

// Reads the site file; on failure every mistake, one per line ("site.toml:
// line 4: interval: ..."), in `errors`, and no site.
std::optional<Site> read_site(const std::string& path, std::vector<std::string>& errors);
// The same for text already read (`name` heads each message).
std::optional<Site> parse_site(const std::string& text, const std::string& name, std::vector<std::string>& errors);

}  // namespace collector
