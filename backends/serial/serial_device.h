// Which device a serial port number opens.
//
// The environment variable CORVO_SERIAL_DEVICE_<N> (for example
// CORVO_SERIAL_DEVICE_3=/dev/ttyUSB0, or /dev/pts/5 for corvo-sim's
// pseudo-terminal) names the device of port N on every platform. Without it,
// port N is /dev/ttyS<N> on Linux and \\.\COM<N> on Windows (the device
// namespace form, so that COM10 and above open too). Ports outside 0..255
// (Windows: 1..255) have no device.
#pragma once
#include <cstdint>
#include <string>

namespace corvo::serial {

// The device of `port` with `override_path` (the variable's value, may be
// null) taken into account; "" when the port has none.
std::string device_for_port(int32_t port, const char* override_path, bool windows);

// The same, reading CORVO_SERIAL_DEVICE_<port> and using this platform.
std::string device_for_port(int32_t port);

}  // namespace corvo::serial
