// A night's collection from many TCP terminals, each on its own endpoint,
// with a network's delay: (a) one thread, terminal after terminal; (b) one
// thread per terminal; (c) the varanda tool beside this program, every
// terminal at once, and its ping of them all; and one terminal alone, for the
// scale. Printed side by side. The fleet figure:
//
//   build/bin/corvo-sim --terminals 1-200 --port-per-terminal --latency 20 --max-connections 200
//       -- build/bin/corvo-many-bench 200 200
//
//   LD_LIBRARY_PATH=build/lib build/bin/corvo-sim --terminals 1-32 --port-per-terminal
//       --latency 5 -- build/bin/corvo-many-bench [terminals] [punches]
//
// (defaults 32 terminals, 300 punches each; corvo-sim's control port stores
// the punches before each run, and its terminal map reaches the back-end in
// CORVO_TCP_TERMINALS).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "sdk.h"

namespace {

using Clock = std::chrono::steady_clock;
using Collect = decltype(VarandaApi::ColetarBilhete);

// One command to corvo-sim's control port; true on "ok".
bool control(int port, const std::string& line) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    bool ok = connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    const std::string out = line + "\n";
    ok = ok && send(fd, out.data(), out.size(), 0) == static_cast<ssize_t>(out.size());
    char answer[64] = {};
    ok = ok && recv(fd, answer, sizeof answer - 1, 0) >= 2 && answer[0] == 'o' && answer[1] == 'k';
    close(fd);
    return ok;
}

// Collects from `terminal` until its memory is empty; the punches collected.
int collect_all(Collect collect, int32_t terminal) {
    uint8_t b[6];
    char card[17];
    int n = 0;
    while (collect(terminal, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], card) == 0) ++n;
    return n;
}

// The varanda tool beside this program, "" when there is none.
std::string tool_path() {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return {};
    std::string tool(self, static_cast<std::size_t>(n));
    tool = tool.substr(0, tool.rfind('/') + 1) + "varanda";
    return access(tool.c_str(), X_OK) == 0 ? tool : std::string();
}

// Runs the tool with `args` (its output thrown away); the seconds it took,
// or -1 when it failed.
double run_tool(const std::string& tool, const std::string& args) {
    const auto start = Clock::now();
    const int status = std::system(("'" + tool + "' " + args + " >/dev/null 2>&1").c_str());
    const double secs = std::chrono::duration<double>(Clock::now() - start).count();
    return status == 0 ? secs : -1;
}

// The lines of a file.
long lines_in(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr) return 0;
    long n = 0;
    for (int c; (c = std::fgetc(f)) != EOF;) n += c == '\n';
    std::fclose(f);
    return n;
}

// (c): varanda collects terminal 1 alone, then all of them at once, into a
// file; then pings all of them. False when a run failed or lost punches.
bool tool_figures(int port, int terminals, int punches, const std::function<bool(int, int)>& store, double alone) {
    const std::string tool = tool_path();
    if (tool.empty()) {
        std::printf("  (c) varanda: not beside this program\n");
        return true;
    }
    char dir[] = "/tmp/corvo-many-bench-XXXXXX";
    if (mkdtemp(dir) == nullptr) return false;
    const std::string out = std::string(dir) + "/one.csv", all = std::string(dir) + "/all.csv";
    const std::string at = "--port " + std::to_string(port) + " ";
    const bool stored = store(1, terminals);
    const double one = stored ? run_tool(tool, at + "--terminal 1 collect --out " + out) : -1;
    const double every = one > 0 && store(1, 1)
                             ? run_tool(tool, at + "--terminal 1-" + std::to_string(terminals) + " collect --out " + all)
                             : -1;
    const double ping = run_tool(tool, at + "--terminal 1-" + std::to_string(terminals) + " ping");
    const long got = lines_in(all) - 1;  // the header
    std::system(("rm -rf '" + std::string(dir) + "'").c_str());
    if (one < 0 || every < 0 || ping < 0) {
        std::printf("  (c) varanda: a run failed\n");
        return false;
    }
    std::printf("  (c) varanda collect, 1 terminal  %6d punches in %7.3f s  (%.2fx ColetarBilhete's time)\n", punches,
                one, one / alone);
    std::printf("      varanda collect, %d at once %6ld punches in %7.3f s  (%.2fx one terminal's time by varanda, "
                "%.2fx by ColetarBilhete)\n",
                terminals, got, every, every / one, every / alone);
    std::printf("      varanda ping of %d terminals          in %7.3f s\n", terminals, ping);
    return got == static_cast<long>(punches) * terminals;
}

// The seconds since start.
double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The ColetarBilhete figures: one terminal alone, (a) and (b).
struct SdkFigures {
    int alone_n = 0, seq_n = 0, par_n = 0;
    double alone = 0, sequential = 0, parallel = 0;
    bool in_turn = false;
};

// (a) one thread, terminal after terminal: measured up to kMeasuredInTurn
// terminals, beyond that taken as that many times one terminal's time.
// (b) one thread per terminal. False when the emulator would not store.
bool sdk_figures(Collect collect, int terminals, int punches, const std::function<bool(int, int)>& store,
                 SdkFigures& f) {
    constexpr int kMeasuredInTurn = 32;
    if (!store(1, 1)) return false;
    auto start = Clock::now();
    f.alone_n = collect_all(collect, 1);
    f.alone = since(start);
    f.in_turn = terminals <= kMeasuredInTurn;
    if (f.in_turn && !store(1, terminals)) return false;
    start = Clock::now();
    f.seq_n = f.in_turn ? 0 : punches * terminals;
    for (int t = 1; f.in_turn && t <= terminals; ++t) f.seq_n += collect_all(collect, t);
    f.sequential = f.in_turn ? since(start) : f.alone * terminals;
    if (!store(1, terminals)) return false;
    std::atomic<int> par_n{0};
    std::vector<std::thread> threads;
    start = Clock::now();
    for (int t = 1; t <= terminals; ++t) threads.emplace_back([&, t] { par_n += collect_all(collect, t); });
    for (auto& th : threads) th.join();
    f.parallel = since(start);
    f.par_n = par_n;
    return true;
}

void print_sdk_figures(const SdkFigures& f, int terminals, int punches) {
    std::printf("%d terminals, %d punches each, collected with ColetarBilhete over CorvoTCP:\n", terminals, punches);
    std::printf("  one terminal alone             %6d punches in %7.3f s\n", f.alone_n, f.alone);
    std::printf("  (a) one thread, in turn        %6d punches in %7.3f s%s\n", f.seq_n, f.sequential,
                f.in_turn ? "" : "  (not run: the terminals times one terminal's time)");
    std::printf("  (b) %2d threads, one each       %6d punches in %7.3f s  (%.1fx faster than (a), %.2fx one "
                "terminal's time)\n",
                terminals, f.par_n, f.parallel, f.sequential / f.parallel, f.parallel / f.alone);
}

}  // namespace

int main(int argc, char** argv) {
    const int terminals = argc > 1 ? std::atoi(argv[1]) : 32;
    const int punches = argc > 2 ? std::atoi(argv[2]) : 300;
    const char* port_text = std::getenv("CORVO_SIM_PORT");
    const char* control_text = std::getenv("CORVO_SIM_CONTROL");
    hostkit::Sdk sdk;
    if (port_text == nullptr || control_text == nullptr || !sdk.load() || terminals <= 0 || punches <= 0 ||
        std::getenv("CORVO_TCP_TERMINALS") == nullptr) {
        std::fprintf(stderr,
                     "usage: corvo-sim --terminals 1-N --port-per-terminal --latency MS -- corvo-many-bench [N] "
                     "[punches] (with LD_LIBRARY_PATH=build/lib)\n");
        return 2;
    }
    const int control_port = std::atoi(control_text);
    if (sdk.api.DefinirTipoConexao(1) != 0 || sdk.api.AbrirPortaComunicacao(std::atoi(port_text)) != 0) {
        std::fprintf(stderr, "corvo-many-bench: the port does not open\n");
        return 1;
    }
    auto store = [&](int first, int count) {
        for (int t = first; t < first + count; ++t)
            if (!control(control_port, "punches " + std::to_string(t) + " " + std::to_string(punches))) return false;
        return true;
    };
    SdkFigures f;
    if (!sdk_figures(sdk.api.ColetarBilhete, terminals, punches, store, f)) return 1;
    print_sdk_figures(f, terminals, punches);
    bool complete = f.alone_n == punches && f.seq_n == punches * terminals && f.par_n == punches * terminals;
    sdk.api.FecharPortaComunicacao();  // its connections, for the tool's
    complete = tool_figures(std::atoi(port_text), terminals, punches, store, f.alone) && complete;
    if (!complete) std::printf("  NOT every punch was collected\n");
    return complete ? 0 : 1;
}
