// The poll loop and the connections' bytes in and out.
#include "sim/server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace corvo::sim {

namespace {
constexpr int kIdleWaitMs = 50;  // also how often `done` is asked
constexpr int kHeldWaitMs = 2;   // while a bad line holds frames back
constexpr auto kDoneInterval = std::chrono::milliseconds(kIdleWaitMs);
constexpr std::size_t kReadChunk = 16384;
constexpr timeval kLastAnswerTimeout{1, 0};  // for a client that does not read them
}  // namespace

Server::Server(TerminalBank& bank) : bank_(bank), endpoint_(bank) {
    reserve_fd_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

Server::~Server() {
    for (Connection& c : connections_) close(c.fd);
    for (const Listener& l : listeners_) close(l.fd);
    if (pty_slave_fd_ >= 0) close(pty_slave_fd_);
    if (reserve_fd_ >= 0) close(reserve_fd_);
}

void Server::flush(Connection& c) {
    std::size_t done = 0;
    while (done < c.out.size()) {
        const ssize_t n = c.pty ? ::write(c.fd, c.out.data() + done, c.out.size() - done)
                                : send(c.fd, c.out.data() + done, c.out.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (n < 0 && errno == EINTR) continue;
        c.closing = !c.pty;
        c.out.clear();
        return;
    }
    c.out.erase(c.out.begin(), c.out.begin() + static_cast<std::ptrdiff_t>(done));
}

// A peer that leaves more unread than its bound is disconnected (the
// pseudo-terminal, never closed, loses its unread bytes instead).
bool Server::over_backlog(Connection& c) {
    const std::size_t limit = c.control ? kMaxControlBacklog : kMaxLinkBacklog;
    if (c.out.size() + c.held_bytes <= limit) return false;
    c.out.clear();
    if (c.pty) return false;
    std::fprintf(stderr, "corvo-sim: a %s client left more than %zu bytes unread: disconnected\n",
                 c.control ? "control" : "link", limit);
    c.held_in.clear();
    c.held_out.clear();
    c.late.clear();
    c.held_bytes = 0;
    c.closing = true;
    return true;
}

void Server::read_from(Connection& c) {
    uint8_t buf[kReadChunk];
    while (!c.closing) {
        const ssize_t n = c.pty ? ::read(c.fd, buf, sizeof buf) : recv(c.fd, buf, sizeof buf, 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            c.closing = !c.pty;
            return;
        }
        if (n < 0) break;
        const auto size = static_cast<std::size_t>(n);
        if (c.control)
            control_bytes(c, reinterpret_cast<const char*>(buf), size);
        else if (c.pty)
            serial_bytes(c, buf, size);
        else
            link_bytes(c, buf, size);
        if (size < sizeof buf) break;
    }
    flush(c);
}

// Lets out what is due and fills `fds`; the poll's wait in milliseconds.
int Server::prepare_poll(std::vector<pollfd>& fds) {
    fds.clear();
    const bool accepting = std::chrono::steady_clock::now() >= accept_paused_until_;
    for (const Listener& l : listeners_) fds.push_back({l.fd, static_cast<short>(accepting ? POLLIN : 0), 0});
    bool held = false;
    int wait_ms = kIdleWaitMs;
    for (Connection& c : connections_) {
        if (!c.held_in.empty() || !c.held_out.empty()) held = release_held(c) || held;
        if (!c.late.empty()) {
            const int due = release_late(c);
            if (due >= 0 && due < wait_ms) wait_ms = due;
        }
        if (!c.out.empty()) flush(c);
    }
    if (held && wait_ms > kHeldWaitMs) wait_ms = kHeldWaitMs;
    for (const Connection& c : connections_)
        fds.push_back({c.fd, static_cast<short>(POLLIN | (c.out.empty() ? 0 : POLLOUT)), 0});
    return wait_ms;
}

// Serves the connections, closes the finished ones, then accepts: a
// descriptor freed just now is there for a connection waiting.
void Server::dispatch_poll(const std::vector<pollfd>& fds) {
    const std::size_t first = listeners_.size();
    for (std::size_t i = first; i < fds.size(); ++i) {
        Connection& c = connections_[i - first];
        if (fds[i].revents & POLLOUT) flush(c);
        if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) read_from(c);
    }
    close_finished();
    for (std::size_t i = 0; i < first; ++i)
        if (fds[i].revents & POLLIN) accept_on(listeners_[i]);
}

void Server::close_finished() {
    for (std::size_t i = connections_.size(); i-- > 0;) {
        Connection& c = connections_[i];
        if (!c.closing && !(c.control && stop_ && c.out.empty())) continue;
        if (bank_.verbose) std::fprintf(stderr, "corvo-sim: %s connection closed\n", c.control ? "control" : "link");
        close(c.fd);
        connections_.erase(connections_.begin() + static_cast<std::ptrdiff_t>(i));
        refusing_logged_ = false;
    }
}

void Server::run(const std::function<bool()>& done) {
    std::vector<pollfd> fds;
    auto checked = std::chrono::steady_clock::now();
    while (!stop_) {
        // `done` costs a system call or two: asked when idle, or every 50 ms.
        const auto now = std::chrono::steady_clock::now();
        if (now - checked >= kDoneInterval) {
            checked = now;
            if (done()) break;
        }
        const int wait_ms = prepare_poll(fds);
        const int r = poll(fds.data(), fds.size(), wait_ms);
        if (r < 0 && errno != EINTR) break;
        if (r <= 0) {
            if (wait_ms == kIdleWaitMs) checked = std::chrono::steady_clock::now() - kDoneInterval;
            continue;
        }
        dispatch_poll(fds);
    }
    // Let the last control answers (the "ok" of a stop) leave.
    for (Connection& c : connections_)
        if (!c.out.empty()) {
            fcntl(c.fd, F_SETFL, fcntl(c.fd, F_GETFL, 0) & ~O_NONBLOCK);
            if (!c.pty) setsockopt(c.fd, SOL_SOCKET, SO_SNDTIMEO, &kLastAnswerTimeout, sizeof kLastAnswerTimeout);
            flush(c);
        }
}

}  // namespace corvo::sim
