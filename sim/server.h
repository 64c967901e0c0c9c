// The emulator's sockets: the link listeners (any number of connections, all
// speaking to the same terminals) and the control listener, both on
// 127.0.0.1, served by one poll loop.
//
// The loop and the connections are in server.cpp, the listeners in
// server_sockets.cpp, the control lines in server_control.cpp, the link's
// frames with the bad line and the network's delay in server_link.cpp, the
// pseudo-terminal and its modem in server_serial.cpp.
//
// Every queue kept for a peer has a bound: a control client whose unread
// answers pass kMaxControlBacklog, or a link client whose unread answers and
// held frames pass kMaxLinkBacklog, is disconnected; at most
// max_connections link and kMaxControlConnections control connections are
// open at once; at the file-descriptor limit a new connection is accepted and
// closed at once (one descriptor is kept in reserve for that), never left
// pending.
#pragma once
#include <chrono>
#include <netinet/in.h>
#include <poll.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/parser.h"
#include "link/server.h"
#include "sim/bank.h"
#include "sim/faults.h"
#include "sim/modem.h"

namespace corvo::sim {

class StateJournal;

inline constexpr std::size_t kMaxControlBacklog = std::size_t{16} << 20;
inline constexpr std::size_t kMaxLinkBacklog = std::size_t{1} << 20;
inline constexpr std::size_t kMaxControlConnections = 16;
inline constexpr std::size_t kDefaultMaxConnections = 128;

class Server {
public:
    explicit Server(TerminalBank& bank);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // The IPv4 addresses the link ports and the control port bind to
    // (127.0.0.1 unless this is called); false, nothing changed, for a bad one.
    bool set_addresses(const std::string& link, const std::string& control);
    // Binds both listeners (port 0: any free port); false on failure.
    bool listen(uint16_t link_port, uint16_t control_port, std::string& error);
    uint16_t link_port() const { return link_port_; }
    uint16_t control_port() const { return control_port_; }
    // The most link connections open at once.
    void set_max_connections(std::size_t n) { max_connections_ = n; }

    // Serves until a control "stop", or until `done()` answers true (asked at
    // least every 100 ms).
    void run(const std::function<bool()>& done);

    const link::Endpoint& endpoint() const { return endpoint_; }

    // Opens a pseudo-terminal whose other end is one more link line (a
    // serial line); its device path goes to `path`. Hosts may close and
    // reopen it; when the last host closes it, the modem hangs up.
    bool open_pty(std::string& path, std::string& error);
    // With a verdict, a modem answers on the pseudo-terminal first; without, it
    // is a plain line.
    void set_modem(bool enabled, Modem::Verdict verdict);
    // A bad line on every link connection (see sim/faults.h); the rates and
    // the seed are reported on standard error.
    void set_faults(const FaultRates& rates, uint64_t seed);
    // Answers leave `ms` after their request arrived; other exchanges, on this
    // connection and on others, are served meanwhile.
    void set_latency(int ms) { latency_ms_ = ms; }
    // One more link listener on 127.0.0.1 (0: any free port); its port, or 0
    // on failure. Every link listener serves every terminal.
    uint16_t listen_more(uint16_t port, std::string& error);
    // Records every exchange and control command in the state file before
    // its answer leaves (sim/state_journal.h).
    void keep_state(StateJournal* journal) { journal_ = journal; }
    link::Endpoint& endpoint() { return endpoint_; }

private:
    struct Held {
        std::chrono::steady_clock::time_point due;
        std::vector<uint8_t> bytes;
    };
    struct Connection {
        int fd = -1;
        bool control = false;
        bool pty = false;  // the pseudo-terminal: read and written as a file, never closed
        bool hung_up = false;  // the pseudo-terminal with no host on its device end
        link::Parser parser;
        std::string line;
        bool skipping = false;  // the rest of an over-long control line
        std::vector<uint8_t> out;
        bool closing = false;
        std::deque<Held> held_in, held_out;  // frames a bad line holds back, in order
        std::deque<Held> late;               // answers waiting for the latency to pass
        std::size_t held_bytes = 0;          // in held_in, held_out and late
    };
    struct Listener {
        int fd = -1;
        bool control = false;
    };
    // server_sockets.cpp
    void accept_on(const Listener& l);
    bool admit(int fd, bool control);
    bool refuse_at_fd_limit(int listener);
    std::size_t open_connections(bool control) const;
    // server.cpp
    void read_from(Connection& c);
    void flush(Connection& c);
    bool over_backlog(Connection& c);
    void close_finished();
    int prepare_poll(std::vector<pollfd>& fds);
    void dispatch_poll(const std::vector<pollfd>& fds);
    // server_control.cpp
    void control_bytes(Connection& c, const char* bytes, std::size_t size);
    void control_line(Connection& c, std::string cmd);
    void answer(Connection& c, const std::string& reply);
    std::string server_command(const std::string& cmd, bool& handled);
    std::string faults_command(const std::string& line);
    static constexpr std::size_t kMaxControlLine = 4096;
    // server_link.cpp
    void link_bytes(Connection& c, const uint8_t* bytes, std::size_t size);
    void inbound_frame(Connection& c, const link::Frame& f);
    void frames_of(Connection& c, link::Parser& parser, bool fresh);
    void serve(Connection& c, const link::Frame& f);
    void outbound(Connection& c, std::vector<uint8_t>& reply);
    void fault(Connection& c, std::deque<Held>& queue, FaultInjector::Fate fate, std::vector<uint8_t> bytes);
    void hold(Connection& c, std::deque<Held>& queue, std::vector<uint8_t> bytes, bool delayed);
    bool release_held(Connection& c);
    // Lets the answers out whose latency has passed; the milliseconds until
    // the next one is due, or -1 when none waits.
    int release_late(Connection& c);
    // server_serial.cpp
    std::string noise_command(const std::string& line);
    std::string modem_command(const std::string& line);
    Connection* pty_connection();
    void serial_bytes(Connection& c, const uint8_t* bytes, std::size_t size);
    void serial_hung_up(Connection& c);
    // True while no host has the device end open (then not polled: it would
    // report the hang-up again and again).
    static bool still_hung_up(Connection& c);

    TerminalBank& bank_;
    link::Endpoint endpoint_;
    std::vector<Listener> listeners_;  // the link listener first, then the control one, then more link ones
    int reserve_fd_ = -1;              // given up for a moment at the descriptor limit
    std::chrono::steady_clock::time_point accept_paused_until_{};
    bool refusing_logged_ = false;
    std::size_t max_connections_ = kDefaultMaxConnections;
    int latency_ms_ = 0;
    uint16_t link_port_ = 0, control_port_ = 0;
    in_addr_t link_address_ = htonl(INADDR_LOOPBACK), control_address_ = htonl(INADDR_LOOPBACK);
    std::vector<Connection> connections_;
    bool stop_ = false;
    bool modem_enabled_ = false;
    Modem modem_;
    FaultInjector faults_;
    StateJournal* journal_ = nullptr;
};

}  // namespace corvo::sim
