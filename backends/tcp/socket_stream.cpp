#include "socket_stream.h"

#if defined(_WIN32)
#  include <winsock2.h>
#  include <ws2tcpip.h>
using socket_t = SOCKET;
#else
#  include <fcntl.h>
#  include <netdb.h>
#  include <netinet/in.h>
#  include <netinet/tcp.h>
#  include <poll.h>
#  include <sys/socket.h>
#  include <unistd.h>
#  include <cerrno>
using socket_t = int;
#endif

namespace corvo::tcp {

namespace {

#if defined(_WIN32)
// Started once and left to the process's end: cleaning up while the library
// is being unloaded is not safe.
bool winsock_ready() {
    static const bool ok = [] {
        WSADATA d;
        return WSAStartup(MAKEWORD(2, 2), &d) == 0;
    }();
    return ok;
}
void close_socket(socket_t s) { closesocket(s); }
bool set_blocking(socket_t s, bool blocking) {
    u_long mode = blocking ? 0 : 1;
    return ioctlsocket(s, FIONBIO, &mode) == 0;
}
bool in_progress() { return WSAGetLastError() == WSAEWOULDBLOCK; }
bool made(socket_t s) { return s != INVALID_SOCKET; }
// Waits for the socket to become readable (or writable); 1 ready, 0 time-out, -1 error.
int wait_for(socket_t s, bool for_write, int timeout_ms) {
    fd_set set, err;
    FD_ZERO(&set);
    FD_ZERO(&err);
    FD_SET(s, &set);
    FD_SET(s, &err);
    timeval tv{timeout_ms / 1000, (timeout_ms % 1000) * 1000};
    const int r = select(0, for_write ? nullptr : &set, for_write ? &set : nullptr, &err, &tv);
    if (r < 0) return -1;
    if (r == 0) return 0;
    return FD_ISSET(s, &set) ? 1 : -1;
}
#else
bool winsock_ready() { return true; }
void close_socket(socket_t s) { ::close(s); }
bool set_blocking(socket_t s, bool blocking) {
    const int flags = fcntl(s, F_GETFL, 0);
    if (flags < 0) return false;
    return fcntl(s, F_SETFL, blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK)) == 0;
}
bool in_progress() { return errno == EINPROGRESS; }
bool made(socket_t s) { return s >= 0; }
int wait_for(socket_t s, bool for_write, int timeout_ms) {
    pollfd p{s, static_cast<short>(for_write ? POLLOUT : POLLIN), 0};
    int r;
    do {
        r = poll(&p, 1, timeout_ms);
    } while (r < 0 && errno == EINTR);
    if (r < 0) return -1;
    if (r == 0) return 0;
    // Readable includes a closed or failed connection: read() tells which.
    if (!for_write) return 1;
    return (p.revents & POLLOUT) ? 1 : -1;
}
#endif

socket_t as_socket(intptr_t h) { return static_cast<socket_t>(h); }

// The IPv4 TCP addresses of `host` (and `service`, or none); null when it does
// not resolve. The caller frees them.
addrinfo* look_up(const std::string& host, const char* service) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), service, &hints, &found) != 0) return nullptr;
    return found;
}

// Connects `s` to `to` within timeout_ms and leaves it blocking, with Nagle's
// delay switched off.
bool connect_within(socket_t s, const addrinfo& to, int timeout_ms) {
    bool ok = set_blocking(s, false);
    if (ok && ::connect(s, to.ai_addr, static_cast<int>(to.ai_addrlen)) != 0) {
        ok = in_progress() && wait_for(s, true, timeout_ms) == 1;
        if (ok) {
            int err = 0;
            socklen_t len = sizeof err;
            ok = getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&err), &len) == 0 && err == 0;
        }
    }
    if (!ok || !set_blocking(s, true)) return false;
    int one = 1;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
    return true;
}

}  // namespace

bool resolves(const std::string& host) {
    if (!winsock_ready()) return false;
    addrinfo* found = look_up(host, nullptr);
    if (found != nullptr) freeaddrinfo(found);
    return found != nullptr;
}

bool SocketStream::connect(const std::string& host, uint16_t port, int timeout_ms) {
    close();
    if (!winsock_ready() || port == 0) return false;
    addrinfo* found = look_up(host, std::to_string(port).c_str());
    if (found == nullptr) return false;
    const socket_t s = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    const bool ok = made(s) && connect_within(s, *found, timeout_ms);
    freeaddrinfo(found);
    if (!ok) {
        if (made(s)) close_socket(s);
        return false;
    }
    handle_ = static_cast<intptr_t>(s);
    receive_timeout_ = 0;
    return true;
}

void SocketStream::close_handle(intptr_t handle) { close_socket(as_socket(handle)); }

bool SocketStream::write(const uint8_t* data, std::size_t size) {
    if (handle_ == kNone) return false;
    while (size > 0) {
#if defined(_WIN32)
        const int n = send(as_socket(handle_), reinterpret_cast<const char*>(data), static_cast<int>(size), 0);
#else
        ssize_t n;
        do {
            n = send(as_socket(handle_), data, size, MSG_NOSIGNAL);
        } while (n < 0 && errno == EINTR);
#endif
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

int SocketStream::read(uint8_t* buffer, std::size_t capacity, int timeout_ms) {
    if (handle_ == kNone) return -1;
    if (timeout_ms < 0) timeout_ms = 0;
#if defined(_WIN32)
    const int ready = wait_for(as_socket(handle_), false, timeout_ms);
    if (ready <= 0) return ready;
    const int n = recv(as_socket(handle_), reinterpret_cast<char*>(buffer), static_cast<int>(capacity), 0);
#else
    // One blocking receive with a receive time-out saves a system call per
    // answer; the time-out is set in steps of 20 ms, so it is rarely changed,
    // and a wait may end up to 20 ms after the deadline.
    const int step = ((timeout_ms + 19) / 20) * 20;
    if (step == 0) {
        if (wait_for(as_socket(handle_), false, 0) <= 0) return 0;
    } else if (step != receive_timeout_) {
        timeval tv{step / 1000, (step % 1000) * 1000};
        if (setsockopt(as_socket(handle_), SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) != 0) return -1;
        receive_timeout_ = step;
    }
    ssize_t n;
    do {
        n = recv(as_socket(handle_), buffer, capacity, 0);
    } while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
#endif
    if (n <= 0) return -1;  // closed by the other end, or failed
    return static_cast<int>(n);
}

}  // namespace corvo::tcp
