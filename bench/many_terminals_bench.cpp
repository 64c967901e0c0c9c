// A night's collection from many TCP terminals, each on its own endpoint,
// with a network's delay: (a) one thread, terminal after terminal; (b) one
// thread per terminal; and one terminal alone, for the scale. Printed side by
// side.
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
    const Collect collect = sdk.api.ColetarBilhete;
    if (sdk.api.DefinirTipoConexao(1) != 0 || sdk.api.AbrirPortaComunicacao(std::atoi(port_text)) != 0) {
        std::fprintf(stderr, "corvo-many-bench: the port does not open\n");
        return 1;
    }
    auto store = [&](int first, int count) {
        for (int t = first; t < first + count; ++t)
            if (!control(control_port, "punches " + std::to_string(t) + " " + std::to_string(punches))) return false;
        return true;
    };

    // One terminal alone.
    if (!store(1, 1)) return 1;
    auto start = Clock::now();
    const int alone_n = collect_all(collect, 1);
    const double alone = std::chrono::duration<double>(Clock::now() - start).count();

    // (a) one thread, terminal after terminal.
    if (!store(1, terminals)) return 1;
    start = Clock::now();
    int seq_n = 0;
    for (int t = 1; t <= terminals; ++t) seq_n += collect_all(collect, t);
    const double sequential = std::chrono::duration<double>(Clock::now() - start).count();

    // (b) one thread per terminal.
    if (!store(1, terminals)) return 1;
    std::atomic<int> par_n{0};
    std::vector<std::thread> threads;
    start = Clock::now();
    for (int t = 1; t <= terminals; ++t) threads.emplace_back([&, t] { par_n += collect_all(collect, t); });
    for (auto& th : threads) th.join();
    const double parallel = std::chrono::duration<double>(Clock::now() - start).count();

    std::printf("%d terminals, %d punches each, collected with ColetarBilhete over CorvoTCP:\n", terminals, punches);
    std::printf("  one terminal alone             %6d punches in %7.3f s\n", alone_n, alone);
    std::printf("  (a) one thread, in turn        %6d punches in %7.3f s\n", seq_n, sequential);
    std::printf("  (b) %2d threads, one each       %6d punches in %7.3f s  (%.1fx faster than (a), %.2fx one "
                "terminal's time)\n",
                terminals, par_n.load(), parallel, sequential / parallel, parallel / alone);
    const bool complete = alone_n == punches && seq_n == punches * terminals && par_n == punches * terminals;
    if (!complete) std::printf("  NOT every punch was collected\n");
    return complete ? 0 : 1;
}
