// The listeners: binding, and accepting within the connection caps and the
// file-descriptor limit.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "sim/server.h"

namespace corvo::sim {

namespace {
constexpr int kListenBacklog = 16;
// How long the listeners rest when not even the reserve descriptor is left.
constexpr auto kAcceptPause = std::chrono::milliseconds(100);

int open_listener(in_addr_t address, uint16_t port, uint16_t& bound, std::string& error) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = address;
    a.sin_port = htons(port);
    socklen_t len = sizeof a;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, kListenBacklog) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        error = std::string("port ") + std::to_string(port) + ": " + std::strerror(errno);
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
    bound = ntohs(a.sin_port);
    return fd;
}
}  // namespace

bool Server::set_addresses(const std::string& link, const std::string& control) {
    in_addr l{}, c{};
    if (inet_pton(AF_INET, link.c_str(), &l) != 1 || inet_pton(AF_INET, control.c_str(), &c) != 1) return false;
    link_address_ = l.s_addr;
    control_address_ = c.s_addr;
    return true;
}

bool Server::listen(uint16_t link_port, uint16_t control_port, std::string& error) {
    const int link = open_listener(link_address_, link_port, link_port_, error);
    if (link < 0) return false;
    listeners_.insert(listeners_.begin(), {link, false});
    const int control = open_listener(control_address_, control_port, control_port_, error);
    if (control < 0) return false;
    listeners_.insert(listeners_.begin() + 1, {control, true});
    return true;
}

uint16_t Server::listen_more(uint16_t port, std::string& error) {
    uint16_t bound = 0;
    const int fd = open_listener(link_address_, port, bound, error);
    if (fd < 0) return 0;
    listeners_.push_back({fd, false});
    return bound;
}

std::size_t Server::open_connections(bool control) const {
    std::size_t n = 0;
    for (const Connection& c : connections_) n += (c.control == control && !c.pty) ? 1 : 0;
    return n;
}

// Keeps the new connection, or closes it at once when its kind is at its cap.
bool Server::admit(int fd, bool control) {
    const std::size_t cap = control ? kMaxControlConnections : max_connections_;
    if (open_connections(control) >= cap) {
        close(fd);
        if (!refusing_logged_)
            std::fprintf(stderr, "corvo-sim: %zu %s connections open (the most served): refusing new ones\n", cap,
                         control ? "control" : "link");
        refusing_logged_ = true;
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    Connection c;
    c.fd = fd;
    c.control = control;
    connections_.push_back(std::move(c));
    if (bank_.verbose) std::fprintf(stderr, "corvo-sim: %s connection opened\n", control ? "control" : "link");
    return true;
}

// Out of descriptors: the reserve one makes room to accept the waiting
// connection and close it, so that the listener does not stay readable.
// True when one was refused (another may wait).
bool Server::refuse_at_fd_limit(int listener) {
    if (!refusing_logged_)
        std::fprintf(stderr, "corvo-sim: out of file descriptors (ulimit -n): refusing new connections\n");
    refusing_logged_ = true;
    int fd = -1;
    if (reserve_fd_ >= 0) {
        close(reserve_fd_);
        fd = accept(listener, nullptr, nullptr);
        if (fd >= 0) close(fd);
        reserve_fd_ = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }
    if (reserve_fd_ < 0) accept_paused_until_ = std::chrono::steady_clock::now() + kAcceptPause;
    return fd >= 0 && reserve_fd_ >= 0;
}

void Server::accept_on(const Listener& l) {
    for (;;) {
        const int fd = accept(l.fd, nullptr, nullptr);
        if (fd >= 0) {
            admit(fd, l.control);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED) continue;
        if (errno != EMFILE && errno != ENFILE) return;
        if (!refuse_at_fd_limit(l.fd)) return;
    }
}

}  // namespace corvo::sim
