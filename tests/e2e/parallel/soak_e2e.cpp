// Sixteen host threads on eight terminals, mixing setters, sends of the siren
// table (consumed by the send), punch collections and online event reads,
// while the emulator keeps storing punches and events. Every punch and event
// is delivered exactly once, every siren time a thread inserted reaches a
// terminal exactly once and whole, and every thread returns (a bounded
// join). VARANDA_SOAK_SECONDS sets the length (default 4).
#include <algorithm>
#include <atomic>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "parallel_fixture.h"

namespace e2e {
namespace {

constexpr int kThreads = 16;
constexpr int kTokens = 24 * 60 * 127;
constexpr std::size_t kSirenEntries = 100;

// Siren time number k, unique for k < kTokens: hour, minute, and a day mask
// that is never 0 (an unset entry is all zero).
struct SirenTime {
    uint8_t hour, minute, mask;
};
SirenTime token(int k) {
    return {static_cast<uint8_t>(k % 24), static_cast<uint8_t>(k / 24 % 60), static_cast<uint8_t>(k / 1440 % 127 + 1)};
}
int token_of(SirenTime s) { return s.hour + 24 * s.minute + 1440 * (s.mask - 1); }

int soak_seconds() {
    const long s = std::strtol(hostkit::env_or("VARANDA_SOAK_SECONDS", "4").c_str(), nullptr, 10);
    return s > 0 && s <= 3600 ? static_cast<int>(s) : 4;
}

// What the threads did and what the emulator was given, by terminal.
struct Tally {
    std::atomic<long> collected{0}, events_read{0}, repeats{0}, failed_sends{0};
    std::atomic<int> next_token{0};
    std::mutex m;
    std::set<int> inserted;
    std::map<int, int> stored_punches, events;
};

class Soak : public ParallelTest {
protected:
    // Feeds the emulator punches and card events on a connection of its own.
    void feed(const std::atomic<bool>& feeding) {
        SimControl feed;
        if (!feed.connect(env_port("CORVO_SIM_CONTROL"))) return;
        std::mt19937 rng(7);
        long card = 0;
        while (feeding) {
            const int t = static_cast<int>(rng() % kTerminals) + 1;
            const bool punches = feed.command("punches " + std::to_string(t) + " 5") == "ok";
            const bool event = feed.command("card " + std::to_string(t) + " " + std::to_string(1000000000L + ++card)) == "ok";
            std::lock_guard<std::mutex> g(tally_.m);
            tally_.stored_punches[t] += punches ? 5 : 0;
            tally_.events[t] += event ? 1 : 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    bool collect(int terminal) {
        uint8_t b[6];
        char card[32];
        const uint8_t r = api_.ColetarBilhete(terminal, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], card);
        if (r == 128) ++tally_.repeats;
        if (r == 0) ++tally_.collected;
        return r == 0;
    }
    bool read_event(int terminal) {
        uint8_t b[8];
        char card[32];
        const bool read = api_.ReceberDadosOnLine(terminal, &b[0], &b[1], card, &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]) == 0;
        if (read) ++tally_.events_read;
        return read;
    }
    void insert_siren_time() {
        const int k = tally_.next_token++;
        if (k >= kTokens) return;
        const SirenTime s = token(k);
        uint8_t d[7];
        for (int i = 0; i < 7; ++i) d[i] = static_cast<uint8_t>(s.mask & (1 << i));
        if (api_.InserirHorarioSirene(s.hour, s.minute, d[0], d[1], d[2], d[3], d[4], d[5], d[6]) != 0) return;
        std::lock_guard<std::mutex> g(tally_.m);
        tally_.inserted.insert(k);
    }
    // One thread's turn: an operation drawn from the thread's own sequence.
    void step(int i, int terminal, std::mt19937& rng) {
        switch (rng() % 8) {
            case 0: case 1: collect(terminal); break;
            case 2: case 3: read_event(terminal); break;
            case 4: insert_siren_time(); break;
            case 5:
                if (api_.EnviarHorariosSirene(terminal) != 0) ++tally_.failed_sends;
                break;
            case 6:
                api_.ConfigurarAcionamento1(static_cast<uint8_t>(rng() % 3), static_cast<uint8_t>(rng() % 50));
                api_.DefinirMensagemApresentacaoEntrada(0, i % 2 ? "ENTRADA" : "BEM VINDO");
                break;
            default: api_.Ping(terminal); break;
        }
    }
    // The siren times of every block the terminals took: whole entries from
    // the start of each block, none after an unset one.
    std::multiset<int> received_siren_times(long& blocks) {
        std::multiset<int> received;
        for (int t = 1; t <= kTerminals; ++t) {
            std::istringstream words(sim_.command("blocks " + std::to_string(t) + " 112"));
            std::string hex;
            EXPECT_TRUE(words >> hex && hex == "ok");
            for (; words >> hex; ++blocks) {
                EXPECT_EQ(6 * kSirenEntries, hex.size());
                const auto byte = [&](std::size_t k) { return static_cast<uint8_t>(std::stoi(hex.substr(2 * k, 2), nullptr, 16)); };
                bool ended = false;
                for (std::size_t e = 0; 6 * e + 6 <= hex.size(); ++e) {
                    const SirenTime s{byte(3 * e), byte(3 * e + 1), byte(3 * e + 2)};
                    const bool unset = s.hour == 0 && s.minute == 0 && s.mask == 0;
                    EXPECT_FALSE(ended && !unset) << "a set entry after an unset one";
                    ended = ended || unset;
                    EXPECT_TRUE(unset || (s.hour < 24 && s.minute < 60 && s.mask >= 1 && s.mask <= 127));
                    if (!unset) received.insert(token_of(s));
                }
            }
        }
        return received;
    }
    Tally tally_;
};

TEST_F(Soak, EveryPunchEventAndBlockOnceWithSixteenThreads) {
    for (int t = 1; t <= kTerminals; ++t) sim("online " + std::to_string(t) + " 1");
    ASSERT_EQ(0, api_.DefinirTipoConexao(1));
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(port_));
    std::atomic<bool> feeding{true};
    std::thread feeder([&] { feed(feeding); });
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(soak_seconds());
    run_threads(kThreads, std::chrono::seconds(soak_seconds() + 120), [&](int i) {
        std::mt19937 rng(static_cast<unsigned>(100 + i));
        while (std::chrono::steady_clock::now() < end) step(i, i % kTerminals + 1, rng);
    });
    feeding = false;
    feeder.join();
    // What is left: collected, read and sent by one thread.
    for (int t = 1; t <= kTerminals; ++t) {
        while (collect(t)) {}
        while (read_event(t)) {}
    }
    ASSERT_EQ(0, api_.EnviarHorariosSirene(1));

    EXPECT_EQ(0, tally_.repeats.load());
    EXPECT_EQ(0, tally_.failed_sends.load());
    long stored = 0, pushed = 0;
    for (int t = 1; t <= kTerminals; ++t) {
        const JsonValue d = sim_.dump(t);
        EXPECT_EQ(0, d["punches"]["stored"].num()) << t;
        EXPECT_EQ(tally_.stored_punches[t], d["punches"]["delivered"].num()) << t;
        EXPECT_EQ(0, d["events"]["queued"].num()) << t;
        EXPECT_EQ(tally_.events[t], d["events"]["delivered"].num()) << t;
        stored += tally_.stored_punches[t];
        pushed += tally_.events[t];
    }
    EXPECT_EQ(stored, tally_.collected.load());
    EXPECT_EQ(pushed, tally_.events_read.load());
    long blocks = 0;
    const std::multiset<int> received = received_siren_times(blocks);
    EXPECT_GT(blocks, 0);
    EXPECT_TRUE(std::equal(tally_.inserted.begin(), tally_.inserted.end(), received.begin(), received.end()));
}

}  // namespace
}  // namespace e2e
