// The control port's lines, and the commands the server itself answers
// (modem, noise, faults); the rest go to sim/control.h.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

#include "sim/control.h"
#include "sim/server.h"
#include "sim/state_journal.h"

namespace corvo::sim {

namespace {
bool starts_with_word(const std::string& line, const std::string& word) {
    return line == word || line.rfind(word + " ", 0) == 0;
}

bool is_text(const std::string& line) {
    for (const char ch : line) {
        const auto u = static_cast<unsigned char>(ch);
        if ((u < 0x20 && u != '\t') || u >= 0x7F) return false;
    }
    return true;
}
}  // namespace

// Control lines: one command a line. A line longer than kMaxControlLine is
// answered with an error once and skipped up to its end; a line with bytes
// other than printable text is answered with an error and not run. Either
// way the connection stays open and the link is served meanwhile; a client
// that leaves too many answers unread is disconnected.
void Server::control_bytes(Connection& c, const char* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size && !c.closing; ++i) {
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

std::string Server::server_command(const std::string& cmd, bool& handled) {
    handled = true;
    if (starts_with_word(cmd, "modem")) return modem_command(cmd);
    if (starts_with_word(cmd, "faults")) return faults_command(cmd);
    if (cmd.rfind("noise ", 0) == 0) return noise_command(cmd);
    handled = false;
    return {};
}

void Server::control_line(Connection& c, std::string cmd) {
    if (!cmd.empty() && cmd.back() == '\r') cmd.pop_back();
    if (!is_text(cmd)) return answer(c, "error not a text line");
    ControlResult r;
    bool handled = false;
    r.reply = server_command(cmd, handled);
    if (!handled) r = control_command(bank_, cmd);
    // What a command stored (or forgot) is in the state file before its answer leaves.
    if (r.stores && journal_ != nullptr && !journal_->record_all())
        std::fprintf(stderr, "corvo-sim: cannot write %s\n", journal_->path().c_str());
    answer(c, r.reply);
    stop_ = stop_ || r.stop;
}

void Server::answer(Connection& c, const std::string& reply) {
    c.out.insert(c.out.end(), reply.begin(), reply.end());
    c.out.push_back('\n');
    over_backlog(c);
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

}  // namespace corvo::sim
