#include "listener.h"

#if defined(_WIN32)
#  include <winsock2.h>
#  include <ws2tcpip.h>
using socket_t = SOCKET;
using socklen_type = int;
#else
#  include <arpa/inet.h>
#  include <netinet/in.h>
#  include <sys/socket.h>
using socket_t = int;
using socklen_type = socklen_t;
#endif

#include "sim_control.h"

namespace e2e {

namespace {
// Listening on a free loopback port, with room for the connections of a test.
socket_t bound_listener(int& port) {
    sockets_started();
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

SilentPeer::~SilentPeer() { close_handle(listener_); }

void SilentPeer::hang_up() { close_handle(static_cast<long long>(accept(static_cast<socket_t>(listener_), nullptr, nullptr))); }

int SilentPeer::unused_port() {
    int port = 0;
    close_handle(static_cast<long long>(bound_listener(port)));
    return port;
}

}  // namespace e2e
