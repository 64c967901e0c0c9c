#include "sim/server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>

#include "sim/control.h"
#include "sim/state_file.h"

namespace corvo::sim {

namespace {
int open_listener(in_addr_t address, uint16_t port, uint16_t& bound, std::string& error) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = address;
    a.sin_port = htons(port);
    socklen_t len = sizeof a;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        error = std::string("port ") + std::to_string(port) + ": " + std::strerror(errno);
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
    bound = ntohs(a.sin_port);
    return fd;
}
}  // namespace

Server::~Server() {
    for (Connection& c : connections_) close(c.fd);
    for (int fd : more_link_fds_) close(fd);
    if (pty_slave_fd_ >= 0) close(pty_slave_fd_);
    if (link_fd_ >= 0) close(link_fd_);
    if (control_fd_ >= 0) close(control_fd_);
}

bool Server::set_addresses(const std::string& link, const std::string& control) {
    in_addr l{}, c{};
    if (inet_pton(AF_INET, link.c_str(), &l) != 1 || inet_pton(AF_INET, control.c_str(), &c) != 1) return false;
    link_address_ = l.s_addr;
    control_address_ = c.s_addr;
    return true;
}

bool Server::listen(uint16_t link_port, uint16_t control_port, std::string& error) {
    link_fd_ = open_listener(link_address_, link_port, link_port_, error);
    if (link_fd_ < 0) return false;
    control_fd_ = open_listener(control_address_, control_port, control_port_, error);
    return control_fd_ >= 0;
}

uint16_t Server::listen_more(uint16_t port, std::string& error) {
    uint16_t bound = 0;
    const int fd = open_listener(link_address_, port, bound, error);
    if (fd < 0) return 0;
    more_link_fds_.push_back(fd);
    return bound;
}

bool Server::open_pty(std::string& path, std::string& error) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        error = std::string("pseudo-terminal: ") + std::strerror(errno);
        if (master >= 0) close(master);
        return false;
    }
    const char* name = ptsname(master);
    const int slave = name != nullptr ? ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
    if (slave < 0) {
        error = std::string("pseudo-terminal: ") + std::strerror(errno);
        close(master);
        return false;
    }
    // Raw, so that nothing on the way changes the link's bytes.
    termios t{};
    tcgetattr(slave, &t);
    cfmakeraw(&t);
    tcsetattr(slave, TCSANOW, &t);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL, 0) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    path = name;
    pty_slave_fd_ = slave;
    Connection c;
    c.fd = master;
    c.pty = true;
    connections_.push_back(std::move(c));
    return true;
}

Server::Connection* Server::pty_connection() {
    for (Connection& c : connections_)
        if (c.pty) return &c;
    return nullptr;
}

void Server::set_modem(bool enabled, Modem::Verdict verdict) {
    modem_enabled_ = enabled;
    modem_.set_verdict(verdict);
    modem_.reset();
    if (Connection* c = pty_connection()) {
        c->parser.clear();
        c->out.clear();
    }
}

// "modem" (the modem's state as JSON), "modem off" (a plain line), "modem VERDICT".
std::string Server::modem_command(const std::string& line) {
    const std::string word = line.size() > 6 ? line.substr(6) : "";
    if (word.empty()) return modem_enabled_ ? modem_.json() : std::string("{\"verdict\":\"off\"}");
    if (pty_connection() == nullptr) return "error no serial line (start with --pty)";
    if (word == "off") {
        set_modem(false, modem_.verdict());
        return "ok";
    }
    Modem::Verdict v;
    if (!Modem::parse_verdict(word, v)) return "error unknown verdict " + word;
    set_modem(true, v);
    return "ok";
}

void Server::accept_on(int listener, bool control) {
    for (;;) {
        const int fd = accept(listener, nullptr, nullptr);
        if (fd < 0) return;
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        Connection c;
        c.fd = fd;
        c.control = control;
        connections_.push_back(std::move(c));
        if (bank_.verbose) std::fprintf(stderr, "corvo-sim: %s connection opened\n", control ? "control" : "link");
    }
}

void Server::flush(Connection& c) {
    std::size_t done = 0;
    while (done < c.out.size()) {
        const ssize_t n = c.pty ? ::write(c.fd, c.out.data() + done, c.out.size() - done)
                                : send(c.fd, c.out.data() + done, c.out.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (n < 0 && errno == EINTR) continue;
        c.closing = !c.pty;
        c.out.clear();
        return;
    }
    c.out.erase(c.out.begin(), c.out.begin() + static_cast<std::ptrdiff_t>(done));
}

void Server::read_from(Connection& c) {
    uint8_t buf[16384];
    for (;;) {
        const ssize_t n = c.pty ? ::read(c.fd, buf, sizeof buf) : recv(c.fd, buf, sizeof buf, 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            c.closing = !c.pty;
            return;
        }
        if (n < 0) break;
        if (c.control) {
            control_bytes(c, reinterpret_cast<const char*>(buf), static_cast<std::size_t>(n));
        } else if (c.pty && modem_enabled_) {
            std::vector<uint8_t> data;
            modem_.feed(buf, static_cast<std::size_t>(n), c.out, data);
            if (!data.empty()) link_bytes(c, data.data(), data.size());
        } else {
            link_bytes(c, buf, static_cast<std::size_t>(n));
        }
        if (static_cast<std::size_t>(n) < sizeof buf) break;
    }
    flush(c);
}

// Control lines: one command a line. A line longer than kMaxControlLine is
// answered with an error once and skipped up to its end; a line with bytes
// other than printable text is answered with an error and not run. Either
// way the connection stays open and the link is served meanwhile.
void Server::control_bytes(Connection& c, const char* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const char ch = bytes[i];
        if (ch == '\n') {
            if (!c.skipping) control_line(c, c.line);
            c.line.clear();
            c.skipping = false;
        } else if (c.skipping) {
            continue;
        } else if (c.line.size() == kMaxControlLine) {
            answer(c, "error line longer than " + std::to_string(kMaxControlLine) + " bytes");
            c.line.clear();
            c.skipping = true;
        } else {
            c.line.push_back(ch);
        }
    }
}

void Server::control_line(Connection& c, std::string cmd) {
    if (!cmd.empty() && cmd.back() == '\r') cmd.pop_back();
    for (const char ch : cmd) {
        const auto u = static_cast<unsigned char>(ch);
        if ((u < 0x20 && u != '\t') || u >= 0x7F) return answer(c, "error not a text line");
    }
    ControlResult r;
    if (cmd == "modem" || cmd.rfind("modem ", 0) == 0)
        r.reply = modem_command(cmd);
    else if (cmd == "faults" || cmd.rfind("faults ", 0) == 0)
        r.reply = faults_command(cmd);
    else if (cmd.rfind("noise ", 0) == 0)
        r.reply = noise_command(cmd);
    else
        r = control_command(bank_, cmd);
    // A punch a command stored is in the state file before its "ok" leaves.
    if (r.stores && !state_path_.empty() && !save_state(state_path_, bank_, endpoint_))
        std::fprintf(stderr, "corvo-sim: cannot write %s\n", state_path_.c_str());
    answer(c, r.reply);
    stop_ = stop_ || r.stop;
}

void Server::answer(Connection& c, const std::string& reply) {
    c.out.insert(c.out.end(), reply.begin(), reply.end());
    c.out.push_back('\n');
}

void Server::link_bytes(Connection& c, const uint8_t* bytes, std::size_t size) {
    c.parser.feed(bytes, size);
    link::Frame f;
    link::Parser::Event ev;
    while ((ev = c.parser.next(f)) != link::Parser::Event::None) {
        if (ev == link::Parser::Event::Frame) {
            inbound_frame(c, f);
        } else {
            std::vector<uint8_t> reply;
            endpoint_.on_corrupt(f.header, reply);
            outbound(c, reply);
        }
    }
}

void Server::set_faults(const FaultRates& rates, uint64_t seed) {
    faults_.configure(rates, seed);
    std::fprintf(stderr, "corvo-sim: bad line: drop %.2f%% corrupt %.2f%% delay %.2f%% up to %d ms, seed %llu\n",
                 rates.drop * 100, rates.corrupt * 100, rates.delay * 100, rates.delay_ms,
                 static_cast<unsigned long long>(seed));
}

// "faults" (counts as JSON), "faults off", "faults DROP CORRUPT DELAY MS [SEED]".
std::string Server::faults_command(const std::string& line) {
    std::string args = line.size() > 7 ? line.substr(7) : "";
    if (args.empty()) return faults_.json();
    if (args == "off") {
        set_faults(FaultRates{}, faults_.seed());
        return "ok";
    }
    std::istringstream in(args);
    std::string a, b, c, d, e;
    in >> a >> b >> c >> d >> e;
    FaultRates rates;
    if (!FaultRates::parse(a + " " + b + " " + c + " " + d, rates)) return "error faults DROP CORRUPT DELAY MS [SEED]";
    uint64_t seed = std::random_device{}();
    if (!e.empty()) {
        char* end = nullptr;
        seed = std::strtoull(e.c_str(), &end, 10);
        if (*end != '\0') return "error bad seed";
    }
    set_faults(rates, seed);
    return "ok seed " + std::to_string(seed);
}

// "noise N": N random bytes from the terminal's end of the serial line.
std::string Server::noise_command(const std::string& line) {
    Connection* pty = pty_connection();
    if (pty == nullptr) return "error no serial line (start with --pty)";
    char* end = nullptr;
    const long n = std::strtol(line.c_str() + 6, &end, 10);
    if (*end != '\0' || n < 1 || n > 65536) return "error noise 1..65536";
    for (long i = 0; i < n; ++i) pty->out.push_back(static_cast<uint8_t>(bank_.rng()));
    flush(*pty);
    return "ok";
}

void Server::serve(Connection& c, const link::Frame& f) {
    std::vector<uint8_t> reply;
    endpoint_.on_frame(f, reply);
    if (!state_path_.empty() && !save_state(state_path_, bank_, endpoint_))
        std::fprintf(stderr, "corvo-sim: cannot write %s\n", state_path_.c_str());
    if (latency_ms_ > 0 && !reply.empty()) {
        // Answers of one connection leave in the order their requests came.
        c.late.push_back({std::chrono::steady_clock::now() + std::chrono::milliseconds(latency_ms_), std::move(reply)});
        return;
    }
    outbound(c, reply);
}

int Server::release_late(Connection& c) {
    const auto now = std::chrono::steady_clock::now();
    while (!c.late.empty() && c.late.front().due <= now) {
        std::vector<uint8_t> bytes = std::move(c.late.front().bytes);
        c.late.pop_front();
        outbound(c, bytes);
    }
    if (c.late.empty()) return -1;
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(c.late.front().due - now).count();
    return static_cast<int>((left + 999) / 1000);
}

void Server::hold(std::deque<Connection::Held>& queue, std::vector<uint8_t> bytes, bool delayed) {
    auto due = std::chrono::steady_clock::now();
    if (delayed) due += std::chrono::milliseconds(faults_.hold_ms());
    // Frames keep their order: none overtakes one held before it.
    if (!queue.empty() && queue.back().due > due) due = queue.back().due;
    queue.push_back({due, std::move(bytes)});
}

void Server::inbound_frame(Connection& c, const link::Frame& f) {
    switch (faults_.next(true)) {
        case FaultInjector::Fate::Drop:
            return;
        case FaultInjector::Fate::Corrupt: {
            std::vector<uint8_t> bytes = link::encode(f);
            faults_.damage(bytes);
            hold(c.held_in, std::move(bytes), false);
            return;
        }
        case FaultInjector::Fate::Delay:
            hold(c.held_in, link::encode(f), true);
            return;
        case FaultInjector::Fate::Pass:
            if (!c.held_in.empty())
                hold(c.held_in, link::encode(f), false);
            else
                serve(c, f);
            return;
    }
}

void Server::outbound(Connection& c, std::vector<uint8_t>& reply) {
    if (reply.empty()) return;
    if (!faults_.active() && c.held_out.empty()) {
        c.out.insert(c.out.end(), reply.begin(), reply.end());
        return;
    }
    switch (faults_.next(false)) {
        case FaultInjector::Fate::Drop:
            return;
        case FaultInjector::Fate::Corrupt:
            faults_.damage(reply);
            hold(c.held_out, std::move(reply), false);
            return;
        case FaultInjector::Fate::Delay:
            hold(c.held_out, std::move(reply), true);
            return;
        case FaultInjector::Fate::Pass:
            hold(c.held_out, std::move(reply), false);
            return;
    }
}

// Lets through the held frames that are due; true when some stay held.
bool Server::release_held(Connection& c) {
    const auto now = std::chrono::steady_clock::now();
    while (!c.held_in.empty() && c.held_in.front().due <= now) {
        const std::vector<uint8_t> bytes = std::move(c.held_in.front().bytes);
        c.held_in.pop_front();
        link::Parser p;  // a held frame is whole: it is read on its own
        p.feed(bytes.data(), bytes.size());
        link::Frame f;
        link::Parser::Event ev;
        while ((ev = p.next(f)) != link::Parser::Event::None) {
            if (ev == link::Parser::Event::Frame) {
                serve(c, f);
            } else {
                std::vector<uint8_t> reply;
                endpoint_.on_corrupt(f.header, reply);
                outbound(c, reply);
            }
        }
    }
    while (!c.held_out.empty() && c.held_out.front().due <= now) {
        c.out.insert(c.out.end(), c.held_out.front().bytes.begin(), c.held_out.front().bytes.end());
        c.held_out.pop_front();
    }
    return !c.held_in.empty() || !c.held_out.empty();
}

void Server::run(const std::function<bool()>& done) {
    std::vector<pollfd> fds;
    auto checked = std::chrono::steady_clock::now();
    for (;;) {
        // `done` costs a system call or two: asked when idle, or every 50 ms.
        const auto now = std::chrono::steady_clock::now();
        if (stop_) break;
        if (now - checked >= std::chrono::milliseconds(50)) {
            checked = now;
            if (done()) break;
        }
        fds.clear();
        fds.push_back({link_fd_, POLLIN, 0});
        fds.push_back({control_fd_, POLLIN, 0});
        for (int fd : more_link_fds_) fds.push_back({fd, POLLIN, 0});
        const std::size_t first = fds.size();
        bool held = false;
        int wait_ms = 50;
        for (Connection& c : connections_) {
            if (!c.held_in.empty() || !c.held_out.empty()) held = release_held(c) || held;
            if (!c.late.empty()) {
                const int due = release_late(c);
                if (due >= 0 && due < wait_ms) wait_ms = due;
            }
            if (!c.out.empty()) flush(c);
        }
        if (held && wait_ms > 2) wait_ms = 2;
        for (const Connection& c : connections_)
            fds.push_back({c.fd, static_cast<short>(POLLIN | (c.out.empty() ? 0 : POLLOUT)), 0});
        const int r = poll(fds.data(), fds.size(), wait_ms);
        if (r < 0 && errno != EINTR) break;
        if (r <= 0) {
            if (wait_ms == 50) checked = std::chrono::steady_clock::now() - std::chrono::milliseconds(50);
            continue;
        }
        if (fds[0].revents & POLLIN) accept_on(link_fd_, false);
        if (fds[1].revents & POLLIN) accept_on(control_fd_, true);
        for (std::size_t i = 2; i < first; ++i)
            if (fds[i].revents & POLLIN) accept_on(fds[i].fd, false);
        for (std::size_t i = first; i < fds.size(); ++i) {
            Connection& c = connections_[i - first];
            if (fds[i].revents & POLLOUT) flush(c);
            if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) read_from(c);
        }
        for (std::size_t i = connections_.size(); i-- > 0;) {
            Connection& c = connections_[i];
            if (c.closing || (c.control && stop_ && c.out.empty())) {
                if (bank_.verbose) std::fprintf(stderr, "corvo-sim: %s connection closed\n", c.control ? "control" : "link");
                close(c.fd);
                connections_.erase(connections_.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
    // Let the last control answers (the "ok" of a stop) leave.
    for (Connection& c : connections_)
        if (!c.out.empty()) {
            fcntl(c.fd, F_SETFL, fcntl(c.fd, F_GETFL, 0) & ~O_NONBLOCK);
            flush(c);
        }
}

}  // namespace corvo::sim
