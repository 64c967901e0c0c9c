// corvo-state-bench: the cost of an exchange with --state, with 3 punches
// stored and with 3,000,000 (the journal should make them the same; the
// goal is within 2 times). Each exchange asks for the next punch and
// acknowledges the one before, as a collection does.
#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <algorithm>
#include <vector>

#include "link/server.h"
#include "sim/bank.h"
#include "sim/punches.h"
#include "sim/state_journal.h"

namespace {

using namespace corvo;

constexpr int kExchanges = 20000;
constexpr uint32_t kTerminal = 1;
constexpr std::size_t kFewPunches = 3;
constexpr std::size_t kManyPunches = 3'000'000;
constexpr int kSeedStep = 1'000'000;

link::Frame next_punch_request(uint16_t seq) {
    link::Frame f;
    f.header.type = link::FrameType::Receive;
    f.header.terminal = kTerminal;
    f.header.session = 1;
    f.header.seq = seq;
    f.header.ack = static_cast<uint16_t>(seq - 1);
    f.header.command = varanda::wire::command::kNextPunch;
    f.payload.resize(sizeof(uint32_t));
    varanda::wire::put_u32_le(f.payload.data(), sim::kPunchLong);
    return f;
}

// Microseconds per exchange with `stored` punches, journal included.
double exchange_us(std::size_t stored, const std::string& path) {
    sim::TerminalBank bank;
    link::Endpoint endpoint(bank);
    sim::Terminal& t = bank.terminal(kTerminal);
    for (std::size_t left = stored; left > 0;) {
        const int n = static_cast<int>(std::min<std::size_t>(left, kSeedStep));
        sim::seed_punches(t, n, bank.rng);
        left -= static_cast<std::size_t>(n);
    }
    t.punches.resize(stored, t.punches.back());  // refilled as they leave, so that the count holds
    sim::StateJournal journal(bank, endpoint);
    std::string error;
    if (!journal.start(path, error)) {
        std::fprintf(stderr, "corvo-state-bench: %s\n", error.c_str());
        return -1;
    }
    std::vector<uint8_t> out;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= kExchanges; ++i) {
        out.clear();
        endpoint.on_frame(next_punch_request(static_cast<uint16_t>(i)), out);
        if (t.punches.size() < stored) sim::store_punch(t, t.punches.back());
        journal.record(kTerminal);
    }
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    std::remove(path.c_str());
    return took.count() / kExchanges;
}

}  // namespace

int main() {
    const std::string path = "/tmp/corvo-state-bench." + std::to_string(::getpid());
    const double few = exchange_us(kFewPunches, path);
    const double many = exchange_us(kManyPunches, path);
    if (few <= 0 || many <= 0) return 1;
    std::printf("exchange with %zu punches stored: %.2f us\n", kFewPunches, few);
    std::printf("exchange with %zu punches stored: %.2f us\n", kManyPunches, many);
    std::printf("ratio %.2f (goal: at most 2)\n", many / few);
    return 0;
}
