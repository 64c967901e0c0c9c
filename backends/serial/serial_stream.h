// A serial line as a link stream: termios in raw mode on POSIX, a COM device
// on Windows; 8 data bits, no parity, one stop bit, no flow control.
#pragma once
#include <cstdint>
#include <string>

#include "link/session.h"

namespace corvo::serial {

class SerialStream : public link::HandleStream {
public:
    SerialStream() = default;
    ~SerialStream() override { close(); }

    // Opens `device` at `baud` (an unknown rate gives 9600); false when the
    // device cannot be opened or is not a serial line.
    bool open(const std::string& device, int32_t baud);
    int32_t baud() const override { return baud_; }

    bool write(const uint8_t* data, std::size_t size) override;
    int read(uint8_t* buffer, std::size_t capacity, int timeout_ms) override;
    // Drops whatever arrived and was not read yet.
    void discard_input();

private:
    void close_handle(intptr_t handle) override;

    int32_t baud_ = 9600;
    int read_timeout_ = -2;  // Windows: the read time-out currently set on the device
};

// Opens the device of `port` (serial_device.h) at `baud` as the stream of
// `session`, with the link settings of the environment; false when the device
// does not open.
bool open_port(link::LinkSession& session, int32_t port, int32_t baud);

}  // namespace corvo::serial
