#include "diagnosis.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#if !defined(_WIN32)
#  include <fcntl.h>
#  include <netdb.h>
#  include <poll.h>
#  include <sys/socket.h>
#  include <sys/stat.h>
#  include <unistd.h>
#  include <cerrno>
#endif

namespace vtool {

namespace {

constexpr uint8_t kTcp = 1, kTcpCom = 2;
constexpr int kConnectWaitMs = 1000;

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? v : "";
}

// The endpoint the terminal map gives `t`, "" when it names none; `fault` set
// when the map cannot be read.
std::string from_map(const std::string& path, int32_t t, std::string& fault) {
    std::ifstream in(path);
    if (!in) {
        fault = "the terminal map " + path + " (CORVO_TCP_TERMINALS) is missing or unreadable";
        return {};
    }
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string range, endpoint;
        if (!(words >> range >> endpoint)) continue;
        const long long first = std::atoll(range.c_str());
        const std::size_t dash = range.find('-');
        const long long last = dash == std::string::npos ? first : std::atoll(range.c_str() + dash + 1);
        if (t >= first && t <= last) return endpoint;
    }
    return {};
}

#if !defined(_WIN32)
// "" when a TCP connection to host:port is made within the wait; else why not.
std::string try_connect(const std::string& host, const std::string& port) {
    addrinfo hints{}, *found = nullptr;
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0 || found == nullptr)
        return "host " + host + " not found";
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    fcntl(fd, F_SETFL, O_NONBLOCK);
    int error = connect(fd, found->ai_addr, found->ai_addrlen) == 0 ? 0 : errno;
    freeaddrinfo(found);
    if (error == EINPROGRESS) {
        pollfd p{fd, POLLOUT, 0};
        socklen_t size = sizeof error;
        error = poll(&p, 1, kConnectWaitMs) == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 ? error
                                                                                                               : ETIMEDOUT;
    }
    close(fd);
    if (error == 0) return {};
    if (error == ECONNREFUSED) return "connection refused by " + host + ":" + port;
    if (error == ETIMEDOUT) return "no connection to " + host + ":" + port + " within 1 s";
    return "cannot connect to " + host + ":" + port;
}

std::string device_fault(const std::string& device) {
    struct stat st {};
    return stat(device.c_str(), &st) == 0 ? std::string() : "device " + device + " missing";
}
#else
std::string try_connect(const std::string&, const std::string&) { return {}; }
std::string device_fault(const std::string&) { return {}; }
#endif

Where locate_tcp(const Options& o, int32_t t) {
    Where w;
    const std::string map = env("CORVO_TCP_TERMINALS");
    std::string endpoint = map.empty() ? "" : from_map(map, t, w.fault);
    if (!w.fault.empty()) return w;
    if (endpoint.empty()) {
        const std::string host = env("CORVO_TCP_HOST");
        endpoint = (host.empty() ? "127.0.0.1" : host) + ":" + std::to_string(o.port.value_or(0));
    }
    w.text = endpoint;
    const std::size_t colon = endpoint.rfind(':');
    w.fault = try_connect(endpoint.substr(0, colon), endpoint.substr(colon + 1));
    return w;
}

}  // namespace

Where locate(const Options& o, int32_t t) {
    if (o.type == kTcp || o.type == kTcpCom) return locate_tcp(o, t);
    const std::string port = std::to_string(o.port.value_or(0));
    std::string device = env(("CORVO_SERIAL_DEVICE_" + port).c_str());
#if defined(_WIN32)
    if (device.empty()) device = "COM" + port;
#else
    if (device.empty()) device = "/dev/ttyS" + port;
#endif
    return {device, device_fault(device)};
}

std::string diagnose(const Options& o, int32_t t, const std::function<uint8_t()>& ping) {
    const Where w = locate(o, t);
    if (!w.fault.empty()) return w.fault;
    if (ping() == 0)
        return "terminal " + std::to_string(t) + " at " + w.text +
               " answers, but refused the command or answered otherwise" + (o.old_model ? "" : " (an older model? --old-model)");
    const std::string timeout = env("CORVO_LINK_TIMEOUT_MS");
    return "no answer from terminal " + std::to_string(t) + " at " + w.text + " within the time-out (" +
           (timeout.empty() ? std::string("1000") : timeout) + " ms a try)";
}

}  // namespace vtool
