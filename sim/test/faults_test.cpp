// The bad line's rates and its replayable draws.
#include <gtest/gtest.h>

#include <vector>

#include "sim/faults.h"

namespace {

using corvo::sim::FaultInjector;
using corvo::sim::FaultRates;

TEST(Faults, RatesFromText) {
    struct Case {
        const char* text;
        bool ok;
        double drop, corrupt, delay;
        int ms;
    } cases[] = {
        {"0.5 0.25 1 5", true, 0.005, 0.0025, 0.01, 5},
        {"100 0 0 0", true, 1, 0, 0, 0},
        {"60 50 0 0", false, 0, 0, 0, 0},  // more than every frame
        {"-1 0 0 0", false, 0, 0, 0, 0},
        {"5 2 0", false, 0, 0, 0, 0},
        {"5 2 0 0 9", false, 0, 0, 0, 0},
        {"5 2 0 70000", false, 0, 0, 0, 0},
        {"a b c d", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FaultRates r;
        ASSERT_EQ(c.ok, FaultRates::parse(c.text, r));
        if (!c.ok) continue;
        EXPECT_DOUBLE_EQ(c.drop, r.drop);
        EXPECT_DOUBLE_EQ(c.corrupt, r.corrupt);
        EXPECT_DOUBLE_EQ(c.delay, r.delay);
        EXPECT_EQ(c.ms, r.delay_ms);
    }
}

std::vector<int> draws(uint64_t seed, const FaultRates& rates, int n) {
    FaultInjector f;
    f.configure(rates, seed);
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(static_cast<int>(f.next(i % 2 == 0)));
    return out;
}

TEST(Faults, TheSameSeedGivesTheSameLine) {
    const FaultRates rates{0.05, 0.02, 0.03, 10};
    EXPECT_EQ(draws(42, rates, 5000), draws(42, rates, 5000));
    EXPECT_NE(draws(42, rates, 5000), draws(43, rates, 5000));
}

TEST(Faults, RatesAreKeptAndCountedPerDirection) {
    FaultInjector f;
    f.configure({0.05, 0.02, 0.03, 10}, 7);
    for (int i = 0; i < 40000; ++i) f.next(i % 2 == 0);
    for (bool inbound : {true, false}) {
        const auto& c = f.counts(inbound);
        EXPECT_EQ(20000u, c.frames);
        EXPECT_NEAR(1000.0, static_cast<double>(c.dropped), 150);
        EXPECT_NEAR(400.0, static_cast<double>(c.corrupted), 100);
        EXPECT_NEAR(600.0, static_cast<double>(c.delayed), 120);
    }
    for (int i = 0; i < 100; ++i) {
        const int ms = f.hold_ms();
        EXPECT_GE(ms, 1);
        EXPECT_LE(ms, 10);
    }
    f.configure({}, 7);  // a good line
    for (int i = 0; i < 1000; ++i) EXPECT_EQ(FaultInjector::Fate::Pass, f.next(true));
}

TEST(Faults, DamageFlipsExactlyOneBit) {
    FaultInjector f;
    f.configure({0, 1, 0, 0}, 3);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> frame(40, 0x5A), before = frame;
        f.damage(frame);
        int bits = 0;
        for (std::size_t i = 0; i < frame.size(); ++i) bits += __builtin_popcount(frame[i] ^ before[i]);
        EXPECT_EQ(1, bits);
    }
    std::vector<uint8_t> empty;
    f.damage(empty);  // nothing to damage, nothing read
    EXPECT_TRUE(empty.empty());
}

}  // namespace
