// The host side of scripts/soak.sh: one terminal on the emulator's port,
// collected without pause; every 10 s an access list of 50 cards is sent and
// an online event read. Each punch collected is written to OUT, one card
// text a line, as soon as it is collected. A failed exchange streak closes and
// reopens the port, as a host does when its terminal went away. SIGTERM ends
// the run; it then prints its counts and its resident memory at the start and
// at the end.
//
//   corvo-soak-host PORT OUT   (with LD_LIBRARY_PATH naming libvaranda.so)
#include <signal.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "sdk.h"

namespace {

volatile sig_atomic_t stop = 0;

long resident_kib() {
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr) return -1;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = -1;
    std::fclose(f);
    return resident * 4;
}

void pause_ms(long ms) {
    timespec ts{ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&ts, nullptr);
}

long seconds_now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long>(ts.tv_sec);
}

struct Counts {
    long collected = 0, offered_again = 0, empty = 0, failed = 0, reopened = 0, lists = 0, lists_failed = 0;
};

void send_list(const VarandaApi& api, long round, Counts& n) {
    for (int i = 0; i < 50; ++i) api.InserirUsuarioListaAcesso(std::to_string(1000 + (round + i) % 60000).c_str(), 1);
    ++n.lists;
    if (api.EnviarListaAcesso(1) != 0) ++n.lists_failed;
    uint8_t b[9];
    char card[16];
    api.ReceberDadosOnLine(1, &b[0], &b[1], card, &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]);
}

// One collect: the card written out, or the code counted. streak counts the
// rounds in a row that took nothing.
void collect_one(const VarandaApi& api, FILE* out, Counts& n, int& streak) {
    uint8_t b[6];
    char card[17] = {};
    const uint8_t r = api.ColetarBilhete(1, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], card);
    if (r == 0) {
        std::fprintf(out, "%.16s\n", card);
        std::fflush(out);
        ++n.collected;
        streak = 0;
    } else if (r == 128) {
        ++n.offered_again;
    } else if (r == 1) {
        ++n.empty;  // nothing stored, or the line failed: try again shortly
        ++streak;
        pause_ms(20);
    } else {
        ++n.failed;
        ++streak;
    }
}

void reopen(const VarandaApi& api, int port) {
    while (!stop && api.AbrirPortaComunicacao(port) != 0) pause_ms(200);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: corvo-soak-host PORT OUT\n");
        return 2;
    }
    const int port = std::atoi(argv[1]);
    hostkit::Sdk sdk;
    const VarandaApi& api = sdk.api;
    if (!sdk.load()) {
        std::fprintf(stderr, "corvo-soak-host: cannot load libvaranda.so\n");
        return 2;
    }
    FILE* out = std::fopen(argv[2], "w");
    if (out == nullptr) return 2;
    signal(SIGTERM, [](int) { stop = 1; });
    api.DefinirTipoConexao(1);
    reopen(api, port);
    const long rss_start = resident_kib();
    Counts n;
    int streak = 0;
    long next_list = 0;
    for (long round = 0; !stop; ++round) {
        collect_one(api, out, n, streak);
        if (streak >= 50) {  // the terminal went away: reopen the port
            api.FecharPortaComunicacao();
            reopen(api, port);
            ++n.reopened;
            streak = 0;
        }
        if (const long now = seconds_now(); now >= next_list) {
            send_list(api, round, n);
            next_list = now + 10;
        }
    }
    api.FecharPortaComunicacao();
    std::fclose(out);
    std::printf("collected %ld, offered again %ld, empty or failed rounds %ld, other codes %ld, reopened %ld, "
                "access lists %ld (%ld failed)\nresident memory: %ld KiB at the start, %ld KiB at the end\n",
                n.collected, n.offered_again, n.empty, n.failed, n.reopened, n.lists, n.lists_failed, rss_start,
                resident_kib());
    return 0;
}
