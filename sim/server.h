// The emulator's sockets: the link listener (any number of connections, all
// speaking to the same terminals) and the control listener, both on
// 127.0.0.1, served by one poll loop.
#pragma once
#include <chrono>
#include <netinet/in.h>

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

class Server {
public:
    explicit Server(TerminalBank& bank) : bank_(bank), endpoint_(bank) {}
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

    // Serves until a control "stop", or until `done()` answers true (asked at
    // least every 100 ms).
    void run(const std::function<bool()>& done);

    const link::Endpoint& endpoint() const { return endpoint_; }

    // Opens a pseudo-terminal whose other end is one more link line (a
    // serial line); its device path goes to `path`. The emulator keeps the
    // device end open too, so that hosts may close and reopen it.
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
    // Keeps the state in `path` after every exchange (sim/state_file.h).
    void keep_state(const std::string& path) { state_path_ = path; }
    link::Endpoint& endpoint() { return endpoint_; }

private:
    struct Connection {
        int fd = -1;
        bool control = false;
        bool pty = false;  // the pseudo-terminal: read and written as a file, never closed
        link::Parser parser;
        std::string line;
        bool skipping = false;  // the rest of an over-long control line
        std::vector<uint8_t> out;
        bool closing = false;
        struct Held {
            std::chrono::steady_clock::time_point due;
            std::vector<uint8_t> bytes;
        };
        std::deque<Held> held_in, held_out;  // frames a bad line holds back, in order
        std::deque<Held> late;               // answers waiting for the latency to pass
    };
    void accept_on(int listener, bool control);
    void read_from(Connection& c);
    void control_bytes(Connection& c, const char* bytes, std::size_t size);
    void control_line(Connection& c, std::string cmd);
    static void answer(Connection& c, const std::string& reply);
    static constexpr std::size_t kMaxControlLine = 4096;
    void flush(Connection& c);
    void link_bytes(Connection& c, const uint8_t* bytes, std::size_t size);
    void inbound_frame(Connection& c, const link::Frame& f);
    void serve(Connection& c, const link::Frame& f);
    void outbound(Connection& c, std::vector<uint8_t>& reply);
    void hold(std::deque<Connection::Held>& queue, std::vector<uint8_t> bytes, bool delayed);
    bool release_held(Connection& c);
    // Lets the answers out whose latency has passed; the milliseconds until
    // the next one is due, or -1 when none waits.
    int release_late(Connection& c);
    std::string faults_command(const std::string& line);
    std::string noise_command(const std::string& line);
    std::string modem_command(const std::string& line);
    Connection* pty_connection();

    TerminalBank& bank_;
    link::Endpoint endpoint_;
    int link_fd_ = -1, control_fd_ = -1;
    std::vector<int> more_link_fds_;
    int latency_ms_ = 0;
    uint16_t link_port_ = 0, control_port_ = 0;
    in_addr_t link_address_ = htonl(INADDR_LOOPBACK), control_address_ = htonl(INADDR_LOOPBACK);
    std::vector<Connection> connections_;
    bool stop_ = false;
    int pty_slave_fd_ = -1;
    bool modem_enabled_ = false;
    Modem modem_;
    FaultInjector faults_;
    std::string state_path_;
};

}  // namespace corvo::sim
