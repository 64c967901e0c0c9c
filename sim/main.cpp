// corvo-sim: emulates any number of terminals behind one TCP endpoint on
// 127.0.0.1, for the back-ends of the reference link. See docs/corvo-sim.md.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "sim/control.h"
#include "sim/events.h"
#include "sim/punches.h"
#include "sim/server.h"
#include "sim/state_file.h"
#include "sim/state_journal.h"

namespace {

using namespace corvo::sim;

volatile sig_atomic_t g_signalled = 0;
void on_signal(int) { g_signalled = 1; }

const char* kHelp =
    "usage: corvo-sim [options] [-- command [args...]]\n"
    "  --port N            link port (0: any free port; default 0)\n"
    "  --control-port N    control port (default 0)\n"
    "  --bind ADDR         IPv4 address of the link ports (default 127.0.0.1; 0.0.0.0: every one)\n"
    "  --control-bind ADDR IPv4 address of the control port (default 127.0.0.1)\n"
    "  --port-file PATH    write 'link=N' and 'control=N' lines to PATH once listening\n"
    "  --terminals LIST    terminals to set up and seed, e.g. 1,2,5-8 (default 1; at most\n"
    "                      10000)\n"
    "  --punches N         seed N stored punches in each (8000000 in all at most)\n"
    "  --events N          seed N online card events in each\n"
    "  --bio-users N       seed N fingerprint users (identifiers 1..N)\n"
    "  --ossel-users N     seed N Ossel users (identifiers 1..N, PIN = identifier)\n"
    "  --card-pattern 0|1  access-list entry layout of every terminal (default 1)\n"
    "  --refuse LIST       commands no terminal accepts (an older model)\n"
    "  --model old         refuse the current forms: 110, 111, 112, 115, 117, 136, 217\n"
    "  --seed N            random seed (default 1)\n"
    "  --lifetime S        stop after S seconds (default: no limit)\n"
    "  --pty               also serve a pseudo-terminal (a serial line); prints pty=PATH\n"
    "  --modem VERDICT     a modem answers on the pseudo-terminal: connect, busy,\n"
    "                      no-carrier or no-dialtone (default: a plain line)\n"
    "  --faults 'D C H MS' a bad line: D% of frames dropped, C% corrupted, H% held back\n"
    "                      up to MS ms, in each direction (e.g. '5 2 1 20')\n"
    "  --state FILE        keep the punch memories and the link's state in FILE (a journal\n"
    "                      of every exchange); start from it when it exists (no seeding)\n"
    "  --fault-seed N      the bad line's seed (default: random; printed either way)\n"
    "  --keep-blocks LIST  commands whose every accepted block each terminal keeps, for\n"
    "                      the control command 'blocks T C'\n"
    "  --max-terminals N   frames for more than N different terminals are refused\n"
    "                      (status 5, no terminal made); default 1024, never fewer than\n"
    "                      the terminals of --terminals\n"
    "  --max-connections N at most N link connections at once (default 128); more are\n"
    "                      closed at once, with a line on standard error\n"
    "  --latency MS        answers leave MS ms after their request arrived (a network's\n"
    "                      delay); other exchanges go on meanwhile\n"
    "  --port-per-terminal also serve each terminal of --terminals on a port of its own;\n"
    "                      prints 'terminal T=PORT' lines and writes a terminal map\n"
    "  --map-file PATH     where that map goes (default: a file in /tmp, removed at exit)\n"
    "  -v, --verbose       log every exchange to standard error\n"
    "With a command, corvo-sim runs it with CORVO_SIM_PORT, CORVO_SIM_CONTROL (and\n"
    "CORVO_SIM_PTY with --pty, CORVO_TCP_TERMINALS with --port-per-terminal) set, serves\n"
    "until it ends, and exits with its status.\n";

bool number(const char* s, long low, long high, long& out) {
    char* end = nullptr;
    const long v = std::strtol(s, &end, 10);
    if (end == s || *end != '\0' || v < low || v > high) return false;
    out = v;
    return true;
}

constexpr long kMaxPort = 65535;
constexpr long kMaxLatencyMs = 60000;
constexpr long kMaxMaxTerminals = 1000000;
constexpr long kMaxMaxConnections = 100000;
constexpr std::size_t kMaxSeededTerminals = 10000;
constexpr long kMaxSeededPunches = 1000000;
constexpr long kMaxSeed = 0xFFFFFFFFL;
constexpr long kMaxLifetimeS = 86400 * 7;
constexpr long kMaxCommand = 255;
constexpr long kMaxTerminalNumber = 0xFFFFFFFFL;

struct Options {
    long latency = 0;
    long max_terminals = static_cast<long>(corvo::link::Endpoint::kDefaultMaxTerminals);
    long max_connections = static_cast<long>(kDefaultMaxConnections);
    bool port_per_terminal = false;
    std::string map_file;
    long port = 0, control_port = 0, punches = 0, events = 0, bio_users = 0, ossel_users = 0, seed = 1, lifetime = 0;
    std::string port_file;
    std::string state_file;
    std::string bind = "127.0.0.1", control_bind = "127.0.0.1";
    std::set<long> terminals{1};
    TerminalBank::Defaults defaults;
    bool verbose = false;
    bool pty = false;
    bool modem = false;
    FaultRates faults;
    bool fault_seed_given = false;
    uint64_t fault_seed = 0;
    Modem::Verdict verdict = Modem::Verdict::Connect;
    std::vector<char*> command;
};

bool set_fault_seed(Options& o, const char* v) {
    char* end = nullptr;
    o.fault_seed = std::strtoull(v, &end, 10);
    o.fault_seed_given = true;
    return *v != '\0' && *end == '\0';
}

bool set_modem(Options& o, const char* v) {
    o.modem = std::string(v) != "off";
    return !o.modem || Modem::parse_verdict(v, o.verdict);
}

bool set_codes(std::set<uint8_t>& into, const char* v) {
    std::set<long> codes;
    if (!parse_number_list(v, 0, kMaxCommand, codes)) return false;
    for (long c : codes) into.insert(static_cast<uint8_t>(c));
    return true;
}

bool set_model(Options& o, const char* v) {
    for (uint8_t c : {kAccessListFull, kAccessSchedules, kSirens, kAccessListCounted, kSetClockSeconds,
                      kAccessListBlock, kGetClockSeconds})
        o.defaults.refused.insert(c);
    return std::string(v) == "old";
}

bool set_card_pattern(Options& o, const char* v) {
    long n = 0;
    const bool ok = number(v, 0, 1, n);
    o.defaults.card_pattern = static_cast<uint8_t>(n);
    return ok;
}

bool set_terminals(Options& o, const char* v) {
    o.terminals.clear();
    return parse_number_list(v, 0, kMaxTerminalNumber, o.terminals, kMaxSeededTerminals);
}

struct ValueOption {
    const char* name;
    bool (*set)(Options& o, const char* v);
};

// Options that take a value.
constexpr ValueOption kValueOptions[] = {
    {"--port", [](Options& o, const char* v) { return number(v, 0, kMaxPort, o.port); }},
    {"--control-port", [](Options& o, const char* v) { return number(v, 0, kMaxPort, o.control_port); }},
    {"--port-file", [](Options& o, const char* v) { return o.port_file = v, true; }},
    {"--bind", [](Options& o, const char* v) { return o.bind = v, true; }},
    {"--control-bind", [](Options& o, const char* v) { return o.control_bind = v, true; }},
    {"--latency", [](Options& o, const char* v) { return number(v, 0, kMaxLatencyMs, o.latency); }},
    {"--max-terminals", [](Options& o, const char* v) { return number(v, 1, kMaxMaxTerminals, o.max_terminals); }},
    {"--max-connections",
     [](Options& o, const char* v) { return number(v, 1, kMaxMaxConnections, o.max_connections); }},
    {"--map-file", [](Options& o, const char* v) { return o.map_file = v, true; }},
    {"--state", [](Options& o, const char* v) { return o.state_file = v, true; }},
    {"--faults", [](Options& o, const char* v) { return FaultRates::parse(v, o.faults); }},
    {"--fault-seed", set_fault_seed},
    {"--modem", set_modem},
    {"--terminals", set_terminals},
    {"--punches", [](Options& o, const char* v) { return number(v, 0, kMaxSeededPunches, o.punches); }},
    {"--events", [](Options& o, const char* v) { return number(v, 0, kMaxQueuedEvents, o.events); }},
    {"--bio-users", [](Options& o, const char* v) { return number(v, 0, kMaxBioUsers, o.bio_users); }},
    {"--ossel-users", [](Options& o, const char* v) { return number(v, 0, kMaxOsselUsers, o.ossel_users); }},
    {"--card-pattern", set_card_pattern},
    {"--refuse", [](Options& o, const char* v) { return set_codes(o.defaults.refused, v); }},
    {"--model", set_model},
    {"--keep-blocks", [](Options& o, const char* v) { return set_codes(o.defaults.kept, v); }},
    {"--seed", [](Options& o, const char* v) { return number(v, 0, kMaxSeed, o.seed); }},
    {"--lifetime", [](Options& o, const char* v) { return number(v, 0, kMaxLifetimeS, o.lifetime); }},
};

struct FlagOption {
    const char* name;
    bool Options::*flag;
};

constexpr FlagOption kFlags[] = {
    {"-v", &Options::verbose},
    {"--verbose", &Options::verbose},
    {"--pty", &Options::pty},
    {"--port-per-terminal", &Options::port_per_terminal},
};

// Sets the option `a` (with the next argument as its value when it takes one).
bool option(const std::string& a, int& i, int argc, char** argv, Options& o) {
    for (const FlagOption& f : kFlags)
        if (a == f.name) return o.*f.flag = true;
    for (const ValueOption& v : kValueOptions) {
        if (a != v.name) continue;
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        if (v.set(o, value)) return true;
        std::fprintf(stderr, "corvo-sim: bad option %s %s\n", a.c_str(), value);
        return false;
    }
    return false;  // -h, --help, or unknown
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            for (int k = i + 1; k < argc; ++k) o.command.push_back(argv[k]);
            break;
        }
        if (!option(a, i, argc, argv, o)) return false;
    }
    if (o.terminals.size() * static_cast<std::size_t>(o.punches) > kMaxStoredPunches) {
        std::fprintf(stderr, "corvo-sim: --punches: at most %zu punches in all the terminals\n", kMaxStoredPunches);
        return false;
    }
    return true;
}

void seed(TerminalBank& bank, const Options& o) {
    for (long n : o.terminals) {
        Terminal& t = bank.terminal(static_cast<uint32_t>(n));
        seed_punches(t, static_cast<int>(o.punches), bank.rng);
        for (long e = 0; e < o.events; ++e) push_event(t, kOriginCard, 1, std::to_string(1000000000L + bank.rng() % 1000000));
        for (long u = 1; u <= o.bio_users; ++u) control_command(bank, "bio-user " + std::to_string(n) + " " + std::to_string(u));
        for (long u = 1; u <= o.ossel_users; ++u)
            control_command(bank, "ossel-user " + std::to_string(n) + " " + std::to_string(u) + " " + std::to_string(u));
    }
}

// A port of its own for each terminal; the terminal map that names them goes
// to `path` (a new file in /tmp when empty), and each port is printed.
bool serve_terminals_apart(Server& server, const Options& o, std::string& path, bool& temporary) {
    std::string text, error;
    for (long t : o.terminals) {
        const uint16_t port = server.listen_more(0, error);
        if (port == 0) {
            std::fprintf(stderr, "corvo-sim: cannot listen: %s\n", error.c_str());
            return false;
        }
        text += std::to_string(t) + " 127.0.0.1:" + std::to_string(port) + "\n";
        std::printf("terminal %ld=%u\n", t, port);
    }
    std::fflush(stdout);
    temporary = o.map_file.empty();
    path = o.map_file;
    if (temporary) {
        char name[] = "/tmp/corvo-sim-map-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) return false;
        close(fd);
        path = name;
    }
    std::ofstream out(path, std::ios::trunc);
    out << "# written by corvo-sim --port-per-terminal\n" << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "corvo-sim: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

bool write_port_file(const std::string& path, uint16_t link, uint16_t control, const std::string& pty) {
    const std::string tmp = path + ".tmp";
    FILE* f = std::fopen(tmp.c_str(), "w");
    if (f == nullptr) return false;
    std::fprintf(f, "link=%u\ncontrol=%u\n", link, control);
    if (!pty.empty()) std::fprintf(f, "pty=%s\n", pty.c_str());
    const bool ok = std::fclose(f) == 0;
    return ok && std::rename(tmp.c_str(), path.c_str()) == 0;
}

// Starts from the state file when it exists (and seeds nothing), else seeds;
// from then on the journal keeps the file up to date.
bool prepare_state(TerminalBank& bank, Server& server, const Options& o, StateJournal& journal) {
    struct stat st {};
    std::string error;
    if (!o.state_file.empty() && stat(o.state_file.c_str(), &st) == 0) {
        StateLimits limits;
        limits.max_terminals = bank.max_terminals;
        limits.interrupted = &g_signalled;
        if (!load_state(o.state_file, bank, server.endpoint(), limits, error)) {
            std::fprintf(stderr, "corvo-sim: %s\n", error.c_str());
            return false;
        }
    } else {
        seed(bank, o);
    }
    if (o.state_file.empty()) return true;
    if (!journal.start(o.state_file, error)) {
        std::fprintf(stderr, "corvo-sim: %s\n", error.c_str());
        return false;
    }
    server.keep_state(&journal);
    return true;
}

// Listens, opens the pseudo-terminal and applies the line's options; false
// (after saying why) on failure.
bool start_server(Server& server, const Options& o, std::string& pty) {
    std::string error;
    if (!server.set_addresses(o.bind, o.control_bind)) {
        std::fprintf(stderr, "corvo-sim: --bind and --control-bind take an IPv4 address, e.g. 0.0.0.0\n");
        return false;
    }
    if (!server.listen(static_cast<uint16_t>(o.port), static_cast<uint16_t>(o.control_port), error)) {
        std::fprintf(stderr, "corvo-sim: cannot listen: %s\n", error.c_str());
        return false;
    }
    if (o.pty) {
        if (!server.open_pty(pty, error)) {
            std::fprintf(stderr, "corvo-sim: %s\n", error.c_str());
            return false;
        }
        server.set_modem(o.modem, o.verdict);
    }
    server.set_latency(static_cast<int>(o.latency));
    server.set_max_connections(static_cast<std::size_t>(o.max_connections));
    if (o.faults.any()) server.set_faults(o.faults, o.fault_seed_given ? o.fault_seed : std::random_device{}());
    return true;
}

struct RemoveAtExit {
    std::string path;
    bool remove = false;
    ~RemoveAtExit() {
        if (remove) std::remove(path.c_str());
    }
};

// Serves until a signal, the lifetime, or a control "stop".
int serve_alone(Server& server, const Options& o, const std::string& pty, const std::function<bool()>& expired) {
    if (o.port_file.empty()) {
        std::printf("link=%u\ncontrol=%u\n", server.link_port(), server.control_port());
        if (!pty.empty()) std::printf("pty=%s\n", pty.c_str());
        std::fflush(stdout);
    }
    server.run([&] { return g_signalled != 0 || expired(); });
    return 0;
}

// Runs the command with the emulator's ports in its environment and serves
// until it ends; its exit status (124 when the emulator ended first).
int serve_command(Server& server, Options& o, const std::string& pty, const std::string& map_path,
                  const std::function<bool()>& expired) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("corvo-sim: fork");
        return 1;
    }
    if (child == 0) {
        setenv("CORVO_SIM_PORT", std::to_string(server.link_port()).c_str(), 1);
        setenv("CORVO_SIM_CONTROL", std::to_string(server.control_port()).c_str(), 1);
        if (!pty.empty()) setenv("CORVO_SIM_PTY", pty.c_str(), 1);
        if (!map_path.empty()) setenv("CORVO_TCP_TERMINALS", map_path.c_str(), 1);
        o.command.push_back(nullptr);
        execvp(o.command[0], o.command.data());
        std::fprintf(stderr, "corvo-sim: cannot run %s: %s\n", o.command[0], std::strerror(errno));
        _exit(127);
    }
    int status = 0;
    bool ended = false;
    server.run([&] {
        if (waitpid(child, &status, WNOHANG) == child) ended = true;
        return ended || g_signalled != 0 || expired();
    });
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, &status, 0);
        return 124;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

int serve(Server& server, Options& o) {
    std::string pty;
    if (!start_server(server, o, pty)) return 1;
    RemoveAtExit map;
    if (o.port_per_terminal && !serve_terminals_apart(server, o, map.path, map.remove)) return 1;
    if (o.verbose)
        std::fprintf(stderr, "corvo-sim: link 127.0.0.1:%u control 127.0.0.1:%u seed %ld\n", server.link_port(),
                     server.control_port(), o.seed);
    if (!o.port_file.empty() && !write_port_file(o.port_file, server.link_port(), server.control_port(), pty)) {
        std::fprintf(stderr, "corvo-sim: cannot write %s\n", o.port_file.c_str());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::function<bool()> expired = [&] {
        return o.lifetime > 0 && std::chrono::steady_clock::now() - start > std::chrono::seconds(o.lifetime);
    };
    return o.command.empty() ? serve_alone(server, o, pty, expired) : serve_command(server, o, pty, map.path, expired);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    signal(SIGINT, on_signal);
    signal(SIGTERM, on_signal);

    TerminalBank bank(static_cast<uint32_t>(o.seed));
    bank.defaults = o.defaults;
    bank.verbose = o.verbose;
    bank.max_terminals = std::max(static_cast<std::size_t>(o.max_terminals), o.terminals.size());
    Server server(bank);
    server.endpoint().set_max_terminals(bank.max_terminals);
    StateJournal journal(bank, server.endpoint());
    if (!prepare_state(bank, server, o, journal)) return 1;
    return serve(server, o);
}
