#include "terminal_map.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "socket_stream.h"

namespace corvo::tcp {

namespace {

bool decimal(const std::string& s, uint64_t limit, uint64_t& out) {
    if (s.empty() || s.size() > 10) return false;
    uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<uint64_t>(c - '0');
    }
    if (v > limit) return false;
    out = v;
    return true;
}

// "N" or "A-B"; the reason in `why` when it is neither.
bool terminals(const std::string& word, uint32_t& first, uint32_t& last, std::string& why) {
    const std::size_t dash = word.find('-');
    uint64_t a = 0, b = 0;
    const bool ok = dash == std::string::npos
                        ? decimal(word, 0xFFFFFFFFu, a) && (b = a, true)
                        : decimal(word.substr(0, dash), 0xFFFFFFFFu, a) &&
                              decimal(word.substr(dash + 1), 0xFFFFFFFFu, b);
    if (!ok) {
        why = "bad terminal number '" + word + "'";
        return false;
    }
    if (a > b) {
        why = "range '" + word + "' ends before it starts";
        return false;
    }
    first = static_cast<uint32_t>(a);
    last = static_cast<uint32_t>(b);
    return true;
}

// "HOST:PORT".
bool address(const std::string& word, Address& out, std::string& why) {
    const std::size_t colon = word.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        why = "'" + word + "' is not HOST:PORT";
        return false;
    }
    uint64_t port = 0;
    const std::string digits = word.substr(colon + 1);
    if (!decimal(digits, 65535, port) || port == 0) {
        why = "bad port '" + digits + "'";
        return false;
    }
    out.host = word.substr(0, colon);
    out.port = static_cast<uint16_t>(port);
    return true;
}

}  // namespace

const MapEntry* TerminalMap::find(uint32_t terminal) const {
    for (const MapEntry& e : entries)
        if (terminal >= e.first && terminal <= e.last) return &e;
    return nullptr;
}

bool parse_terminal_map(const std::string& text, TerminalMap& map, std::string& error) {
    map.entries.clear();
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    std::vector<MapEntry> entries;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(number) + ": " + why;
        return false;
    };
    while (std::getline(in, raw)) {
        ++number;
        const std::size_t hash = raw.find('#');
        std::istringstream words(hash == std::string::npos ? raw : raw.substr(0, hash));
        std::string who, where, extra;
        if (!(words >> who)) continue;  // blank or a comment
        if (!(words >> where)) return fail("no HOST:PORT after '" + who + "'");
        if (words >> extra) return fail("unexpected '" + extra + "' after the address");
        MapEntry e;
        e.line = number;
        std::string why;
        if (!terminals(who, e.first, e.last, why) || !address(where, e.address, why)) return fail(why);
        for (const MapEntry& before : entries) {
            if (e.first <= before.last && before.first <= e.last) {
                const uint32_t t = e.first > before.first ? e.first : before.first;
                return fail("terminal " + std::to_string(t) + " is named on line " + std::to_string(before.line) +
                            " already");
            }
        }
        entries.push_back(std::move(e));
    }
    if (entries.empty()) {
        error = "names no terminal";
        return false;
    }
    map.entries = std::move(entries);
    return true;
}

bool load_terminal_map(TerminalMap& map, std::string& error) {
    map.entries.clear();
    const char* path = std::getenv("CORVO_TCP_TERMINALS");
    if (path == nullptr || *path == '\0') return true;
    const std::string where = std::string("CORVO_TCP_TERMINALS=") + path + ": ";
    std::string text;
    bool read = false;
    try {  // reading a directory throws
        std::ifstream file(path, std::ios::binary);
        if (file) text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        read = file && !file.bad();
    } catch (...) {
        read = false;
    }
    if (!read) {
        error = where + "cannot be read";
        return false;
    }
    TerminalMap parsed;
    std::string why;
    if (!parse_terminal_map(text, parsed, why)) {
        error = where + why;
        return false;
    }
    for (const MapEntry& e : parsed.entries) {
        if (!resolves(e.address.host)) {
            error = where + "line " + std::to_string(e.line) + ": host '" + e.address.host + "' does not resolve";
            return false;
        }
    }
    map = std::move(parsed);
    return true;
}

std::string default_host() {
    const char* h = std::getenv("CORVO_TCP_HOST");
    return (h != nullptr && *h != '\0') ? std::string(h) : std::string("127.0.0.1");
}

}  // namespace corvo::tcp
