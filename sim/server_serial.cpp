// The pseudo-terminal (a serial line) and the modem that may answer on it.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "sim/server.h"

namespace corvo::sim {

namespace {
constexpr long kMaxNoise = 65536;
constexpr std::size_t kModemWord = 6;  // "modem "
constexpr std::size_t kNoiseWord = 6;  // "noise "
}  // namespace

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

void Server::serial_bytes(Connection& c, const uint8_t* bytes, std::size_t size) {
    if (!modem_enabled_) return link_bytes(c, bytes, size);
    std::vector<uint8_t> data;
    modem_.feed(bytes, size, c.out, data);
    if (!data.empty()) link_bytes(c, data.data(), data.size());
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
    const std::string word = line.size() > kModemWord ? line.substr(kModemWord) : "";
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

// "noise N": N random bytes from the terminal's end of the serial line.
std::string Server::noise_command(const std::string& line) {
    Connection* pty = pty_connection();
    if (pty == nullptr) return "error no serial line (start with --pty)";
    char* end = nullptr;
    const long n = std::strtol(line.c_str() + kNoiseWord, &end, 10);
    if (*end != '\0' || n < 1 || n > kMaxNoise) return "error noise 1..65536";
    for (long i = 0; i < n; ++i) pty->out.push_back(static_cast<uint8_t>(bank_.rng()));
    flush(*pty);
    return "ok";
}

}  // namespace corvo::sim
