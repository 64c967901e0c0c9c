// Sixteen host threads on eight terminals, mixing setters, sends of the siren
// table (consumed by the send), punch collections and online event reads,
// while the emulator keeps storing punches and events. Every punch and event
// is delivered exactly once, every siren time a thread inserted reaches a
// terminal exactly once and whole, and every thread returns (a bounded
// join). VARANDA_SOAK_SECONDS sets the length (default 4).
#include <atomic>
#include <map>
#include <random>
#include <set>

#include "parallel_fixture.h"

namespace e2e {
namespace {

constexpr int kThreads = 16;
constexpr int kTokens = 24 * 60 * 127;

// Siren time number k, unique for k < kTokens: hour, minute, and a day mask
// that is never 0 (an unset entry is all zero).
void token(int k, uint8_t& hour, uint8_t& minute, uint8_t& mask) {
    hour = static_cast<uint8_t>(k % 24);
    minute = static_cast<uint8_t>(k / 24 % 60);
    mask = static_cast<uint8_t>(k / 1440 % 127 + 1);
}
int token_of(uint8_t hour, uint8_t minute, uint8_t mask) { return hour + 24 * minute + 1440 * (mask - 1); }

int soak_seconds() {
    const long s = std::strtol(hostkit::env_or("VARANDA_SOAK_SECONDS", "4").c_str(), nullptr, 10);
    return s > 0 && s <= 3600 ? static_cast<int>(s) : 4;
}

class Soak : public ParallelTest {};

TEST_F(Soak, EveryPunchEventAndBlockOnceWithSixteenThreads) {
    for (int t = 1; t <= kTerminals; ++t) sim("online " + std::to_string(t) + " 1");
    ASSERT_EQ(0, api_.DefinirTipoConexao(1));
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(port_));

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(soak_seconds());
    std::atomic<bool> feeding{true};
    std::atomic<int> next_token{0};
    std::atomic<long> collected{0}, events_read{0}, repeats{0}, failed_sends{0};
    std::mutex m;
    std::set<int> inserted;                      // siren times inserted
    std::map<int, int> stored_punches, events;   // by terminal, what the emulator was given

    // The emulator is fed on a connection of its own while the threads work.
    std::thread feeder([&] {
        SimControl feed;
        if (!feed.connect(env_port("CORVO_SIM_CONTROL"))) return;
        std::mt19937 rng(7);
        long card = 0;
        while (feeding) {
            const int t = static_cast<int>(rng() % kTerminals) + 1;
            if (feed.command("punches " + std::to_string(t) + " 5") == "ok") {
                std::lock_guard<std::mutex> g(m);
                stored_punches[t] += 5;
            }
            if (feed.command("card " + std::to_string(t) + " " + std::to_string(1000000000L + ++card)) == "ok") {
                std::lock_guard<std::mutex> g(m);
                ++events[t];
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });

    run_threads(kThreads, std::chrono::seconds(soak_seconds() + 120), [&](int i) {
        const int terminal = i % kTerminals + 1;
        std::mt19937 rng(static_cast<unsigned>(100 + i));
        uint8_t b[6];
        char card[32];
        while (std::chrono::steady_clock::now() < end) {
            switch (rng() % 8) {
                case 0:
                case 1: {
                    const uint8_t r = api_.ColetarBilhete(terminal, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], card);
                    if (r == 0) ++collected;
                    if (r == 128) ++repeats;
                    break;
                }
                case 2:
                case 3:
                    if (api_.ReceberDadosOnLine(terminal, &b[0], &b[1], card, &b[2], &b[3], &b[4], &b[5], &b[0],
                                                &b[1]) == 0)
                        ++events_read;
                    break;
                case 4: {
                    const int k = next_token++;
                    if (k >= kTokens) break;
                    uint8_t hour, minute, mask;
                    token(k, hour, minute, mask);
                    const uint8_t days[7] = {uint8_t(mask & 1),  uint8_t(mask & 2),  uint8_t(mask & 4),
                                             uint8_t(mask & 8),  uint8_t(mask & 16), uint8_t(mask & 32),
                                             uint8_t(mask & 64)};
                    if (api_.InserirHorarioSirene(hour, minute, days[0], days[1], days[2], days[3], days[4], days[5],
                                                  days[6]) == 0) {
                        std::lock_guard<std::mutex> g(m);
                        inserted.insert(k);
                    }
                    break;
                }
                case 5:
                    if (api_.EnviarHorariosSirene(terminal) != 0) ++failed_sends;
                    break;
                case 6:
                    api_.ConfigurarAcionamento1(static_cast<uint8_t>(rng() % 3), static_cast<uint8_t>(rng() % 50));
                    api_.DefinirMensagemApresentacaoEntrada(0, i % 2 ? "ENTRADA" : "BEM VINDO");
                    break;
                default:
                    api_.Ping(terminal);
                    break;
            }
        }
    });
    feeding = false;
    feeder.join();

    // What is left: collected, read and sent by one thread.
    uint8_t b[6];
    char card[32];
    for (int t = 1; t <= kTerminals; ++t) {
        while (api_.ColetarBilhete(t, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], card) == 0) ++collected;
        while (api_.ReceberDadosOnLine(t, &b[0], &b[1], card, &b[2], &b[3], &b[4], &b[5], &b[0], &b[1]) == 0)
            ++events_read;
    }
    ASSERT_EQ(0, api_.EnviarHorariosSirene(1));

    EXPECT_EQ(0, repeats.load());
    EXPECT_EQ(0, failed_sends.load());
    long stored = 0, pushed = 0;
    for (int t = 1; t <= kTerminals; ++t) {
        const JsonValue d = sim_.dump(t);
        EXPECT_EQ(0, d["punches"]["stored"].num()) << t;
        EXPECT_EQ(stored_punches[t], d["punches"]["delivered"].num()) << t;
        EXPECT_EQ(0, d["events"]["queued"].num()) << t;
        EXPECT_EQ(events[t], d["events"]["delivered"].num()) << t;
        stored += stored_punches[t];
        pushed += events[t];
    }
    EXPECT_EQ(stored, collected.load());
    EXPECT_EQ(pushed, events_read.load());

    // Every siren block the terminals took: whole entries from the start, each
    // a time some thread inserted, none twice, none missing.
    std::multiset<int> received;
    long blocks = 0;
    for (int t = 1; t <= kTerminals; ++t) {
        const std::string answer = sim_.command("blocks " + std::to_string(t) + " 112");
        ASSERT_EQ(0u, answer.rfind("ok", 0));
        std::size_t at = 2;
        while (at < answer.size()) {
            const std::size_t next = answer.find(' ', at + 1);
            const std::string hex = answer.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
            at = next == std::string::npos ? answer.size() : next;
            ASSERT_EQ(600u, hex.size());
            ++blocks;
            bool ended = false;
            for (std::size_t e = 0; e < 100; ++e) {
                const auto byte = [&](std::size_t k) {
                    return static_cast<uint8_t>(std::stoi(hex.substr(6 * e + 2 * k, 2), nullptr, 16));
                };
                const uint8_t hour = byte(0), minute = byte(1), mask = byte(2);
                if (hour == 0 && minute == 0 && mask == 0) {
                    ended = true;
                    continue;
                }
                ASSERT_FALSE(ended) << "a set entry after an unset one";
                ASSERT_TRUE(hour < 24 && minute < 60 && mask >= 1 && mask <= 127);
                received.insert(token_of(hour, minute, mask));
            }
        }
    }
    EXPECT_GT(blocks, 0);
    EXPECT_EQ(inserted.size(), received.size());
    EXPECT_TRUE(std::equal(inserted.begin(), inserted.end(), received.begin(), received.end()));
    std::printf("soak: %ld punches, %ld events, %zu siren times in %ld blocks\n", collected.load(), events_read.load(),
                received.size(), blocks);
}

}  // namespace
}  // namespace e2e
