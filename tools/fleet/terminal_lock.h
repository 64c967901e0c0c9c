// The advisory lock that keeps a terminal to one collector at a time: flock()
// on a lock file, which then names its holder. The lock goes with the process:
// a collector that dies (even by SIGKILL) leaves it free.
#pragma once
#include <string>

namespace fleet {

class TerminalLock {
public:
    TerminalLock() = default;
    ~TerminalLock() { release(); }
    TerminalLock(const TerminalLock&) = delete;
    TerminalLock& operator=(const TerminalLock&) = delete;

    // Takes the lock of `path` (created when missing) without waiting and
    // writes `holder` into the file. "" when taken, else who holds it ("held
    // by ...", the holder text of the lock file) or why it cannot be taken.
    std::string take(const std::string& path, const std::string& holder);
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// "pid 4242 (varanda collect) since 2026-12-07 16:20:11 UTC": who this process is.
std::string holder_text(const std::string& program);

}  // namespace fleet
