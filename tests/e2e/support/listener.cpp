#include "listener.h"

#include <atomic>
#include <thread>
#include <vector>

#if defined(_WIN32)
#  include <winsock2.h>
#  include <ws2tcpip.h>
using socket_t = SOCKET;
static void close_socket(socket_t s) { closesocket(s); }
using socklen_type = int;
#else
#  include <arpa/inet.h>
#  include <netinet/in.h>
#  include <sys/select.h>
#  include <sys/socket.h>
#  include <unistd.h>
using socket_t = int;
static void close_socket(socket_t s) { close(s); }
using socklen_type = socklen_t;
#endif

namespace e2e {

namespace {
socket_t bound_listener(int& port) {
#if defined(_WIN32)
    static const bool started = [] {
        WSADATA d;
        return WSAStartup(MAKEWORD(2, 2), &d) == 0;
    }();
    (void)started;
#endif
    socket_t s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_type len = sizeof a;
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(s, 4);
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return s;
}
}  // namespace

struct SilentPeer::Worker {
    std::atomic<bool> stop{false};
    std::thread thread;
    std::vector<socket_t> accepted;
};

SilentPeer::SilentPeer(Mode mode) {
    socket_t s = bound_listener(port_);
    listener_ = static_cast<long long>(s);
    worker_ = new Worker;
    worker_->thread = std::thread([this, s, mode] {
        while (!worker_->stop) {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(s, &set);
            timeval tv{0, 20000};
            if (select(static_cast<int>(s) + 1, &set, nullptr, nullptr, &tv) <= 0) continue;
            socket_t c = accept(s, nullptr, nullptr);
            if (mode == Mode::CloseAtOnce)
                close_socket(c);
            else
                worker_->accepted.push_back(c);
        }
    });
}

SilentPeer::~SilentPeer() {
    worker_->stop = true;
    worker_->thread.join();
    for (socket_t c : worker_->accepted) close_socket(c);
    delete worker_;
    close_socket(static_cast<socket_t>(listener_));
}

int SilentPeer::unused_port() {
    int port = 0;
    socket_t s = bound_listener(port);
    close_socket(s);
    return port;
}

}  // namespace e2e
