// A bad line: frames dropped, damaged or held back at given rates, in each
// direction, drawn from a seeded generator so that a run can be replayed.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace corvo::sim {

struct FaultRates {
    double drop = 0;     // 0..1: the frame never arrives
    double corrupt = 0;  // 0..1: one bit of the frame is flipped
    double delay = 0;    // 0..1: the frame is held back up to delay_ms
    int delay_ms = 0;

    bool any() const { return drop > 0 || corrupt > 0 || (delay > 0 && delay_ms > 0); }
    // "DROP CORRUPT DELAY DELAY_MS" (rates in percent, e.g. "5 2 1 50"); false
    // when malformed or out of range.
    static bool parse(const std::string& text, FaultRates& out);
};

class FaultInjector {
public:
    enum class Fate { Pass, Drop, Corrupt, Delay };

    void configure(const FaultRates& rates, uint64_t seed);
    const FaultRates& rates() const { return rates_; }
    uint64_t seed() const { return seed_; }
    bool active() const { return rates_.any(); }

    // The fate of the next frame; `inbound` (host to terminal) only counts it.
    Fate next(bool inbound);
    // Flips one bit of `frame`.
    void damage(std::vector<uint8_t>& frame);
    // How long a held frame waits, 1..delay_ms.
    int hold_ms();

    struct Counts {
        uint64_t frames = 0, dropped = 0, corrupted = 0, delayed = 0;
    };
    const Counts& counts(bool inbound) const { return inbound ? in_ : out_; }
    std::string json() const;

private:
    FaultRates rates_;
    uint64_t seed_ = 0;
    std::mt19937_64 rng_;
    Counts in_, out_;
};

}  // namespace corvo::sim
