// A connection to corvo-sim's control port (CORVO_SIM_CONTROL on 127.0.0.1):
// one command line out, one answer line back.
#pragma once
#include <string>

#include "json.h"

namespace e2e {

class SimControl {
public:
    SimControl() = default;
    ~SimControl();
    SimControl(const SimControl&) = delete;
    SimControl& operator=(const SimControl&) = delete;

    bool connect(int port);
    // The answer line, or "" when the connection failed.
    std::string command(const std::string& line);
    JsonValue dump(int terminal) { return JsonValue::parse(command("dump " + std::to_string(terminal))); }

private:
    long long handle_ = -1;
    std::string pending_;
};

// Waits up to `tries` x 10 ms for corvo-sim's port file (--port-file) and reads
// its two ports; false when it did not appear.
bool wait_port_file(const std::string& path, int tries, int& link, int& control);

// The sockets of the test programs: started once (Winsock; nothing to do
// elsewhere), closed by the handle kept as a number.
bool sockets_started();
void close_handle(long long handle);

// The port in an environment variable (CORVO_SIM_PORT, CORVO_SIM_CONTROL), 0 when unset.
int env_port(const char* name);

}  // namespace e2e
