// A loopback listener for the failure tests that never answers: a connection
// made to it is accepted by the system and then left mute, unless the test
// hangs it up.
#pragma once

namespace e2e {

class SilentPeer {
public:
    SilentPeer();
    ~SilentPeer();
    SilentPeer(const SilentPeer&) = delete;
    SilentPeer& operator=(const SilentPeer&) = delete;
    int port() const { return port_; }
    // Takes the connection made to it and closes it.
    void hang_up();
    // A port on which nothing listens (bound, then released).
    static int unused_port();

private:
    long long listener_ = -1;
    int port_ = 0;
};

}  // namespace e2e
