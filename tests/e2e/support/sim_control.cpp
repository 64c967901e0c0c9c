#include "sim_control.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#if defined(_WIN32)
#  include <winsock2.h>
#  include <ws2tcpip.h>
#else
#  include <arpa/inet.h>
#  include <netinet/in.h>
#  include <sys/socket.h>
#  include <unistd.h>
#endif

namespace e2e {

#if defined(_WIN32)
using socket_t = SOCKET;
bool sockets_started() {
    static const bool ok = [] {
        WSADATA d;
        return WSAStartup(MAKEWORD(2, 2), &d) == 0;
    }();
    return ok;
}
void close_handle(long long handle) { closesocket(static_cast<socket_t>(handle)); }
#else
using socket_t = int;
bool sockets_started() { return true; }
void close_handle(long long handle) { close(static_cast<socket_t>(handle)); }
#endif

bool wait_port_file(const std::string& path, int tries, int& link, int& control) {
    for (int i = 0; i < tries; ++i) {
        std::ifstream f(path);
        std::string l, c;
        if (f && std::getline(f, l) && std::getline(f, c) && l.rfind("link=", 0) == 0 && c.rfind("control=", 0) == 0) {
            link = std::stoi(l.substr(5));
            control = std::stoi(c.substr(8));
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

int env_port(const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr ? 0 : std::atoi(v);
}

SimControl::~SimControl() {
    if (handle_ >= 0) close_handle(handle_);
}

bool SimControl::connect(int port) {
    if (!sockets_started() || port <= 0) return false;
    socket_t s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<unsigned short>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close_handle(static_cast<long long>(s));
        return false;
    }
    handle_ = static_cast<long long>(s);
    return true;
}

std::string SimControl::command(const std::string& line) {
    if (handle_ < 0) return "";
    const socket_t s = static_cast<socket_t>(handle_);
    const std::string out = line + "\n";
    if (send(s, out.c_str(), static_cast<int>(out.size()), 0) != static_cast<int>(out.size())) return "";
    for (;;) {
        const auto nl = pending_.find('\n');
        if (nl != std::string::npos) {
            std::string answer = pending_.substr(0, nl);
            pending_.erase(0, nl + 1);
            return answer;
        }
        char buf[65536];
        const int n = recv(s, buf, sizeof buf, 0);
        if (n <= 0) return "";
        pending_.append(buf, static_cast<std::size_t>(n));
    }
}

}  // namespace e2e
