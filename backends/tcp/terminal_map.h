// The terminal address map of the TCP back-ends: a text file, named by
// CORVO_TCP_TERMINALS, that gives terminals their own network endpoints.
//
//     # comment (also after an entry)
//     3      10.0.0.7:3000
//     1-8    10.0.0.5:3000     one endpoint for a multi-drop line
//
// A terminal the map does not name uses the endpoint of the open port
// (CORVO_TCP_HOST or 127.0.0.1, and InicializaCom's port).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace corvo::tcp {

struct Address {
    std::string host;
    uint16_t port = 0;
    bool operator==(const Address&) const = default;
};

struct MapEntry {
    uint32_t first = 0, last = 0;  // terminals first..last
    Address address;
    int line = 0;
};

struct TerminalMap {
    std::vector<MapEntry> entries;
    // The entry naming `terminal`, or null.
    const MapEntry* find(uint32_t terminal) const;
};

// Reads a map's text. On the first bad line: false, and `error` says which
// line and why ("line 4: bad port '0'"); `map` is then left empty. A text
// that names no terminal is bad too.
bool parse_terminal_map(const std::string& text, TerminalMap& map, std::string& error);

// The map of CORVO_TCP_TERMINALS: false with `error` when the variable is
// set and the file is missing, unreadable or bad, or names a host that does
// not resolve. Unset (or empty): true, and an empty map.
bool load_terminal_map(TerminalMap& map, std::string& error);

// The host of the open port: CORVO_TCP_HOST, or 127.0.0.1.
std::string default_host();

}  // namespace corvo::tcp
