// Exchanges per second through the SDK, the TCP back-end and corvo-sim on
// loopback, against a raw TCP ping-pong of the same request and answer sizes
// in the same run; and punches collected per second: through the back-end,
// through the SDK's ColetarBilhete, and by the varanda tool's collect (which
// sits beside corvo-bench) writing them to a file.
//
// Run under the emulator with punches to collect:
//   LD_LIBRARY_PATH=build/lib build/bin/corvo-sim --punches 40000 -- build/bin/corvo-bench [exchanges]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "abi/backend_entries.h"
#include "link/frame.h"
#include "sdk.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kRequest = corvo::link::kHeaderSize + corvo::link::kTrailerSize;  // a command without payload
constexpr std::size_t kAnswer = kRequest + 1;                                            // a one-byte result
constexpr std::size_t kPunchRequest = kRequest + 4;                                      // Receive: the length asked
constexpr std::size_t kPunchAnswer = kRequest + 16;                                      // a 16-byte punch record

bool read_exactly(int fd, uint8_t* p, std::size_t n) {
    while (n > 0) {
        const ssize_t r = recv(fd, p, n, 0);
        if (r <= 0) return false;
        p += r;
        n -= static_cast<std::size_t>(r);
    }
    return true;
}

void nodelay(int fd) {
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

// Ping-pongs of `request` bytes out and `answer` bytes back through a plain
// echo server in another process, as the emulator is.
double raw_rate(int exchanges, std::size_t request = kRequest, std::size_t answer = kAnswer) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(listener, 1);
    getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
    const pid_t server = fork();
    if (server == 0) {
        const int c = accept(listener, nullptr, nullptr);
        nodelay(c);
        uint8_t in[kPunchAnswer], out[kPunchAnswer] = {};
        while (read_exactly(c, in, request))
            if (send(c, out, answer, MSG_NOSIGNAL) != static_cast<ssize_t>(answer)) break;
        _exit(0);
    }
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    nodelay(fd);
    uint8_t out[kPunchAnswer] = {}, in[kPunchAnswer];
    const auto start = Clock::now();
    for (int i = 0; i < exchanges; ++i) {
        send(fd, out, request, MSG_NOSIGNAL);
        read_exactly(fd, in, answer);
    }
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    close(fd);
    waitpid(server, nullptr, 0);
    close(listener);
    return exchanges / s;
}

void tool_rate(int port, double sdk_rate);

namespace entry = varanda::abi::corvotcp;

// The back-end's own entries, to time it without the SDK in front.
struct Backend {
    explicit Backend(const hostkit::Library& tcp)
        : init(tcp.function<entry::InicializaCom*>("InicializaCom")),
          send_data(tcp.function<entry::Envia_Dados*>("Envia_Dados")),
          receive_no_reply(tcp.function<entry::Recebe_Dados_E_Nao_Responde*>("Recebe_Dados_E_Nao_Responde")),
          finish(tcp.function<entry::FinalizaCom*>("FinalizaCom")) {}
    entry::InicializaCom* init;
    entry::Envia_Dados* send_data;
    entry::Recebe_Dados_E_Nao_Responde* receive_no_reply;
    entry::FinalizaCom* finish;
};

double per_second(int n, Clock::time_point start) {
    return n / std::chrono::duration<double>(Clock::now() - start).count();
}

// Three rounds, alternating, each side's best kept. False when an exchange fails.
bool exchange_rates(const VarandaApi& api, const Backend& tcp, int port, int exchanges) {
    double raw = 0, chain = 0, backend = 0;
    for (int round = 0; round < 3; ++round) {
        raw = std::max(raw, raw_rate(exchanges));
        api.DefinirTipoConexao(1);
        if (api.AbrirPortaComunicacao(port) != 0) return false;
        auto start = Clock::now();
        for (int i = 0; i < exchanges; ++i)
            if (api.Ping(1) != 0) return false;
        chain = std::max(chain, per_second(exchanges, start));
        api.FecharPortaComunicacao();
        if (tcp.init(port, 9600) == 0) return false;
        start = Clock::now();
        for (int i = 0; i < exchanges; ++i)
            if (tcp.send_data(1, nullptr, 10, 0, 0) != 31) return false;
        backend = std::max(backend, per_second(exchanges, start));
        tcp.finish();
    }
    std::printf("exchanges (command without payload, %zu-byte request, %zu-byte answer), best of 3 x %d:\n", kRequest,
                kAnswer, exchanges);
    std::printf("  raw TCP ping-pong          %9.0f /s\n", raw);
    std::printf("  CorvoTCP + corvo-sim       %9.0f /s  (%.0f%% of raw)\n", backend, 100 * backend / raw);
    std::printf("  SDK Ping + CorvoTCP + sim  %9.0f /s  (%.0f%% of raw)\n", chain, 100 * chain / raw);
    return true;
}

// Punches through the back-end (16-byte records), then half of what is left
// through the SDK's ColetarBilhete, the rest through the tool.
void punch_rates(const VarandaApi& api, const Backend& tcp, int port, int exchanges) {
    tcp.init(port, 9600);
    uint8_t record[16];
    int n = 0;
    auto start = Clock::now();
    while (n < exchanges / 2 && tcp.receive_no_reply(1, record, 204, 16, 0) == 40) ++n;
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    tcp.finish();
    std::printf("punches through CorvoTCP: %d in %.3f s = %.0f /s\n", n, s, n / s);
    if (api.ColetarBilhete == nullptr) {
        std::printf("punches through the SDK: this SDK build has no ColetarBilhete\n");
        return;
    }
    api.DefinirTipoConexao(1);
    api.AbrirPortaComunicacao(port);
    int32_t left = 0;
    api.ReceberQuantidadeBilhetes(1, &left);
    uint8_t b[6];
    char card[17];
    int m = 0;
    start = Clock::now();
    while (m < left / 2 && api.ColetarBilhete(1, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], card) == 0) ++m;
    const double t = std::chrono::duration<double>(Clock::now() - start).count();
    api.FecharPortaComunicacao();
    const double sdk_rate = m / t;
    const double raw_punch = raw_rate(exchanges / 2, kPunchRequest, kPunchAnswer);
    std::printf("punches through the SDK (ColetarBilhete): %d in %.3f s = %.0f /s (%.0f%% of a raw %zu/%zu-byte "
                "ping-pong, %.0f /s)\n",
                m, t, sdk_rate, 100 * sdk_rate / raw_punch, kPunchRequest, kPunchAnswer, raw_punch);
    tool_rate(port, sdk_rate);
}

}  // namespace

int main(int argc, char** argv) {
    const int exchanges = argc > 1 ? std::atoi(argv[1]) : 20000;
    const char* port_text = std::getenv("CORVO_SIM_PORT");
    hostkit::Sdk sdk;
    sdk.load();  // what it lacks stays null
    const hostkit::Library tcp(hostkit::library_file("CorvoTCP"));
    if (port_text == nullptr || !sdk.loaded() || !tcp.is_open() || exchanges <= 0) {
        std::fprintf(stderr, "usage: corvo-sim --punches N -- corvo-bench [exchanges] (with LD_LIBRARY_PATH=build/lib)\n");
        return 2;
    }
    const int port = std::atoi(port_text);
    const Backend backend(tcp);
    if (!exchange_rates(sdk.api, backend, port, exchanges)) return 1;
    punch_rates(sdk.api, backend, port, exchanges);
    return 0;
}

namespace {

// The tool beside this program collects the rest into a file; its rate as it
// reports it (from its first request to its last), and with its start-up.
void tool_rate(int port, double sdk_rate) {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return;
    std::string tool(self, static_cast<std::size_t>(n));
    tool = tool.substr(0, tool.rfind('/') + 1) + "varanda";
    if (access(tool.c_str(), X_OK) != 0) {
        std::printf("punches through varanda collect: no %s\n", tool.c_str());
        return;
    }
    char out[] = "/tmp/corvo-bench-XXXXXX";
    const int fd = mkstemp(out);
    if (fd < 0) return;
    close(fd);
    std::remove(out);
    const std::string command = "'" + tool + "' --port " + std::to_string(port) + " collect --out " + out + " 2>&1";
    const auto start = Clock::now();
    FILE* p = popen(command.c_str(), "r");
    if (p == nullptr) return;
    std::string report, line;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, p) != nullptr) report = buffer;  // the last line: the summary
    const int status = pclose(p);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    std::remove(out);
    std::system(("rm -rf '" + std::string(out) + ".state'").c_str());  // the tool's punch records
    long punches = 0;
    double secs = 0;
    const std::size_t at = report.find(": ", report.find("terminal 1"));
    if (status != 0 || at == std::string::npos ||
        std::sscanf(report.c_str() + at + 2, "%ld punches collected in %lf s", &punches, &secs) != 2 || secs <= 0) {
        std::printf("punches through varanda collect: failed: %s", report.c_str());
        return;
    }
    const double rate = punches / secs;
    std::printf("punches through varanda collect (to a file): %ld in %.3f s = %.0f /s (%.0f%% of ColetarBilhete); "
                "%.0f /s with its start-up\n",
                punches, secs, rate, 100 * rate / sdk_rate, punches / wall);
}

}  // namespace
