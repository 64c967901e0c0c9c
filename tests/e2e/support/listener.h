// A loopback listener for the failure tests: it accepts and then either
// closes the connection at once or keeps it open and says nothing.
#pragma once

namespace e2e {

class SilentPeer {
public:
    enum class Mode { CloseAtOnce, Mute };
    explicit SilentPeer(Mode mode);
    ~SilentPeer();
    int port() const { return port_; }
    // A port on which nothing listens (bound, then released).
    static int unused_port();

private:
    long long listener_ = -1;
    int port_ = 0;
    struct Worker;
    Worker* worker_ = nullptr;
};

}  // namespace e2e
