#include "terminal_map.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace collector {

TerminalMap::TerminalMap(const Site& site) {
    if (!site.map.empty()) {
        setenv("CORVO_TCP_TERMINALS", site.map.c_str(), 1);
        return;
    }
    std::string lines;
    for (const SiteTerminal& t : site.terminals) {
        if (!t.address.empty()) lines += std::to_string(t.number) + " " + t.address + "\n";
    }
    if (lines.empty()) return;
    const char* tmp = std::getenv("TMPDIR");
    std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/varanda-collector-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0 || write(fd, lines.data(), lines.size()) != static_cast<ssize_t>(lines.size())) {
        error_ = "cannot write the terminal address map " + path;
        if (fd >= 0) close(fd);
        return;
    }
    close(fd);
    written_ = path;
    setenv("CORVO_TCP_TERMINALS", path.c_str(), 1);
}

TerminalMap::~TerminalMap() {
    if (!written_.empty()) std::remove(written_.c_str());
}

}  // namespace collector
