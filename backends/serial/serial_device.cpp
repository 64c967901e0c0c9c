#include "serial_device.h"

#include <cstdlib>

namespace corvo::serial {

std::string device_for_port(int32_t port, const char* override_path, bool windows) {
    if (port < 0 || port > 255) return "";
    if (override_path != nullptr && *override_path != '\0') return override_path;
    if (windows) return port == 0 ? "" : "\\\\.\\COM" + std::to_string(port);
    return "/dev/ttyS" + std::to_string(port);
}

std::string device_for_port(int32_t port) {
    const char* v = nullptr;
    if (port >= 0 && port <= 255) v = std::getenv(("CORVO_SERIAL_DEVICE_" + std::to_string(port)).c_str());
#if defined(_WIN32)
    return device_for_port(port, v, true);
#else
    return device_for_port(port, v, false);
#endif
}

}  // namespace corvo::serial
