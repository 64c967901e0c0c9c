// A TCP connection as a link stream (Winsock on Windows, BSD sockets
// elsewhere), with Nagle's delay switched off.
#pragma once
#include <cstdint>
#include <string>

#include "link/client.h"

namespace corvo::tcp {

// True when `host` (a name or an IPv4 address) resolves to an IPv4 address.
bool resolves(const std::string& host);

class SocketStream : public link::HandleStream {
public:
    SocketStream() = default;
    ~SocketStream() override { close(); }

    // Connects within timeout_ms; false when the host cannot be resolved,
    // refuses or does not answer in time.
    bool connect(const std::string& host, uint16_t port, int timeout_ms);

    bool write(const uint8_t* data, std::size_t size) override;
    int read(uint8_t* buffer, std::size_t capacity, int timeout_ms) override;

private:
    void close_handle(intptr_t handle) override;

    int receive_timeout_ = 0;  // the socket's receive time-out, ms (0: none set)
};

}  // namespace corvo::tcp
