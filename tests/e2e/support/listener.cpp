#include "listener.h"

#if defined(_WIN32)
#  include <winsock2.h>
#  include <ws2tcpip.h>
using socket_t = SOCKET;
static void close_socket(socket_t s) { closesocket(s); }
using socklen_type = int;
#else
#  include <arpa/inet.h>
#  include <netinet/in.h>
#  include <sys/socket.h>
#  include <unistd.h>
using socket_t = int;
static void close_socket(socket_t s) { close(s); }
using socklen_type = socklen_t;
#endif

namespace e2e {

namespace {
// Listening on a free loopback port, with room for the connections of a test.
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
    socklen_type len = sizeof a;
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(s, 16);
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return s;
}
}  // namespace

SilentPeer::SilentPeer() { listener_ = static_cast<long long>(bound_listener(port_)); }

SilentPeer::~SilentPeer() { close_socket(static_cast<socket_t>(listener_)); }

void SilentPeer::hang_up() { close_socket(accept(static_cast<socket_t>(listener_), nullptr, nullptr)); }

int SilentPeer::unused_port() {
    int port = 0;
    close_socket(bound_listener(port));
    return port;
}

}  // namespace e2e
