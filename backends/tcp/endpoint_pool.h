// The connections of a TCP back-end (CorvoTCP, or one object of the TCP COM
// component): one link session per endpoint, so that exchanges with
// terminals behind different endpoints go on at the same time and the
// exchanges over one connection (a multi-drop line) one after the other.
//
// Without a terminal map the open port's endpoint is connected when the
// port opens, and a dropped connection fails every exchange until the port
// is opened again. With a map (terminal_map.h) each endpoint is connected on
// its first use and again on the next use after it dropped, so that a dead
// terminal costs only its own exchanges their time-out.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/session.h"
#include "terminal_map.h"

namespace corvo::tcp {

class EndpointPool {
public:
    EndpointPool() = default;
    EndpointPool(const EndpointPool&) = delete;
    EndpointPool& operator=(const EndpointPool&) = delete;

    // Closes what was open, then reads the terminal map and the link settings
    // and opens the port. False when the map is bad (`report` says why; nothing
    // of it is used) or, without a map, when the endpoint does not connect.
    bool open(int32_t port, std::string& report);
    void close();

    // The session of `terminal`'s endpoint; null while the port is closed.
    // It outlives a close of the pool for the exchange running on it.
    std::shared_ptr<link::LinkSession> session(uint32_t terminal);

    // True while some endpoint's connection is usable.
    bool connected();

private:
    std::mutex lock_;  // the table below; never held during an exchange
    link::Sequencer sequencer_{link::new_session_id()};
    TerminalMap map_;
    std::vector<std::shared_ptr<link::LinkSession>> sessions_;  // one per entry of map_, then the open port's
};

}  // namespace corvo::tcp
