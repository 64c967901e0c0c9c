#include "terminal_lock.h"

#include "os.h"

namespace fleet {

namespace {
std::string read_all(int fd) {
    std::string text;
    char buf[256];
    long long n;
    while ((n = os::read_at(fd, buf, sizeof buf, static_cast<os::Offset>(text.size()))) > 0)
        text.append(buf, static_cast<std::size_t>(n));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\0')) text.pop_back();
    return text;
}
}  // namespace

std::string holder_text(const std::string& program) {
    return "pid " + std::to_string(os::process_id()) + " (" + program + ") since " + os::utc_now();
}

std::string TerminalLock::take(const std::string& path, const std::string& holder) {
    release();
    const int fd = os::open_read_write(path);
    if (fd < 0) return "cannot open the lock file " + path + " (" + os::error_text() + ")";
    if (!os::lock(fd, false)) {
        const std::string who = read_all(fd);
        os::close_file(fd);
        return "held by " + (who.empty() ? std::string("another collector") : who) + " (lock file " + path + ")";
    }
    // The label only tells who holds the lock; the lock itself decides.
    if (os::truncate_to(fd, 0)) os::write_all(fd, holder + "\n");
    fd_ = fd;
    return {};
}

void TerminalLock::release() {
    if (fd_ < 0) return;
    os::truncate_to(fd_, 0);
    os::unlock(fd_);
    os::close_file(fd_);
    fd_ = -1;
}

}  // namespace fleet
