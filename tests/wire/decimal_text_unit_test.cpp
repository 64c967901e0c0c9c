#include <gtest/gtest.h>

#include <string>

#include "wire/decimal_text.h"

namespace {

TEST(DecimalText, ReadsLikeTheUsualDecimalReading) {
    struct Case {
        std::string text;
        bool negative;
        uint64_t magnitude;
        uint16_t low16;
    } cases[] = {
        {"65000", false, 65000, 0xFDE8},
        {"65536", false, 65536, 0},
        {"-1", true, 1, 0xFFFF},
        {"-0", true, 0, 0},
        {"  \t\n+42", false, 42, 42},
        {"12ab34", false, 12, 12},
        {"", false, 0, 0},
        {"abc", false, 0, 0},
        {"+-5", false, 0, 0},  // one sign only
        {" - 5", true, 0, 0},  // no space after the sign
        {"00012", false, 12, 12},
    };
    for (const Case& c : cases) {
        const auto v = varanda::wire::read_decimal(c.text);
        EXPECT_EQ(c.negative, v.negative) << c.text;
        EXPECT_EQ(c.magnitude, v.magnitude) << c.text;
        EXPECT_EQ(c.low16, v.low16) << c.text;
    }
}

TEST(DecimalText, LongTextsSaturateAndKeepTheExactLowBits) {
    // 10^30 mod 2^16: 10^30 = 2^30 * 5^30, and 2^30 is a multiple of 2^16.
    const auto v = varanda::wire::read_decimal("1" + std::string(30, '0'));
    EXPECT_EQ(varanda::wire::DecimalValue::kSaturated, v.magnitude);
    EXPECT_EQ(0, v.low16);
    // 100,000 nines: the value + 1 is 10^100000, a multiple of 2^16.
    const auto w = varanda::wire::read_decimal(std::string(100'000, '9'));
    EXPECT_EQ(0xFFFF, w.low16);
    EXPECT_FALSE(w.negative);
}

}  // namespace
