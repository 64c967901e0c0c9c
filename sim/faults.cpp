#include "sim/faults.h"

#include <cstdio>
#include <sstream>

namespace corvo::sim {

bool FaultRates::parse(const std::string& text, FaultRates& out) {
    std::istringstream in(text);
    double drop = -1, corrupt = -1, delay = -1;
    long ms = -1;
    if (!(in >> drop >> corrupt >> delay >> ms)) return false;
    std::string rest;
    if (in >> rest) return false;
    auto rate = [](double p) { return p >= 0 && p <= 100; };
    if (!rate(drop) || !rate(corrupt) || !rate(delay) || drop + corrupt + delay > 100 || ms < 0 || ms > 60000)
        return false;
    out = {drop / 100, corrupt / 100, delay / 100, static_cast<int>(ms)};
    return true;
}

void FaultInjector::configure(const FaultRates& rates, uint64_t seed) {
    rates_ = rates;
    seed_ = seed;
    rng_.seed(seed);
    in_ = {};
    out_ = {};
}

FaultInjector::Fate FaultInjector::next(bool inbound) {
    Counts& c = inbound ? in_ : out_;
    ++c.frames;
    if (!active()) return Fate::Pass;
    const double x = std::uniform_real_distribution<double>(0, 1)(rng_);
    if (x < rates_.drop) {
        ++c.dropped;
        return Fate::Drop;
    }
    if (x < rates_.drop + rates_.corrupt) {
        ++c.corrupted;
        return Fate::Corrupt;
    }
    if (x < rates_.drop + rates_.corrupt + rates_.delay && rates_.delay_ms > 0) {
        ++c.delayed;
        return Fate::Delay;
    }
    return Fate::Pass;
}

void FaultInjector::damage(std::vector<uint8_t>& frame) {
    if (frame.empty()) return;
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, frame.size() - 1)(rng_);
    frame[at] ^= static_cast<uint8_t>(1u << std::uniform_int_distribution<int>(0, 7)(rng_));
}

int FaultInjector::hold_ms() {
    return rates_.delay_ms <= 1 ? 1 : std::uniform_int_distribution<int>(1, rates_.delay_ms)(rng_);
}

std::string FaultInjector::json() const {
    auto counts = [](const Counts& c) {
        return "{\"frames\":" + std::to_string(c.frames) + ",\"dropped\":" + std::to_string(c.dropped) +
               ",\"corrupted\":" + std::to_string(c.corrupted) + ",\"delayed\":" + std::to_string(c.delayed) + "}";
    };
    char rates[160];
    std::snprintf(rates, sizeof rates, "\"drop\":%.4f,\"corrupt\":%.4f,\"delay\":%.4f,\"delay_ms\":%d", rates_.drop,
                  rates_.corrupt, rates_.delay, rates_.delay_ms);
    return std::string("{\"seed\":") + std::to_string(seed_) + "," + rates + ",\"in\":" + counts(in_) +
           ",\"out\":" + counts(out_) + "}";
}

}  // namespace corvo::sim
