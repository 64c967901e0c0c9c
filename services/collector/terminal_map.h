// The TCP back-end's terminal address map (CORVO_TCP_TERMINALS) for the
// site's terminals: the site's own map file, or one written from the
// terminals' addresses into the temporary folder and removed at the end.
#pragma once
#include <string>

#include "site.h"

namespace collector {

class TerminalMap {
public:
    explicit TerminalMap(const Site& site);
    ~TerminalMap();
    TerminalMap(const TerminalMap&) = delete;
    TerminalMap& operator=(const TerminalMap&) = delete;
    const std::string& error() const { return error_; }

private:
    std::string written_, error_;
};

}  // namespace collector
