// The wire helpers: BCD and big-endian numbers, card numbers packed as BCD,
// and the reading of decimal card texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wire/bcd_byte.h"
#include "wire/byte_order.h"
#include "wire/card_bcd.h"
#include "wire/decimal_text.h"

namespace {

using Bytes = std::vector<uint8_t>;
using namespace varanda::wire;

TEST(WireNumbersUnit, BcdAndBigEndian) {
    for (const auto& [bcd, value] : {std::pair<uint8_t, uint8_t>{0x00, 0}, {0x09, 9}, {0x10, 10}, {0x99, 99}}) {
        EXPECT_EQ(value, bcd_to_binary(bcd));
    }
    uint8_t b[5] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    put_u32_be(b, 0x01020304u);
    EXPECT_EQ((Bytes{1, 2, 3, 4, 0xEE}), Bytes(b, b + 5));
    EXPECT_EQ(0x0102, get_u16_be(b));
    put_u16_le(b + 3, 0x0A0B);
    EXPECT_EQ((Bytes{1, 2, 3, 0x0B, 0x0A}), Bytes(b, b + 5));
}

TEST(CardBcd, PacksRightAlignedFromTheLastCharacter) {
    struct Case {
        std::string text;
        size_t width;
        Bytes out;
    } cases[] = {
        {"123456", 7, {0x00, 0x00, 0x00, 0x00, 0x12, 0x34, 0x56}},
        {"12345", 3, {0x01, 0x23, 0x45}},  // odd count: high nibble of the first byte zero
        {"123456", 3, {0x12, 0x34, 0x56}},
        {"", 2, {0x00, 0x00}},
        {"", 0, {}},
        {"9A:8", 2, {0x90, 0x08}},  // characters that are not digits count as 0
        {"98765432109876", 7, {0x98, 0x76, 0x54, 0x32, 0x10, 0x98, 0x76}},
    };
    for (const Case& c : cases) {
        Bytes out(c.width + 1, 0xEE);  // one guard byte
        ASSERT_TRUE(pack_card_bcd(c.text, out.data(), c.width)) << c.text;
        EXPECT_EQ(0xEE, out.back()) << c.text;
        out.pop_back();
        EXPECT_EQ(c.out, out) << c.text;
    }
}

TEST(CardBcd, RefusesTextsThatNeedMoreBytesAndWritesNothing) {
    struct Case {
        std::string text;
        size_t width;
    } cases[] = {{"1", 0}, {std::string(100'000, '1'), 7}, {"123456789012345", 7}};
    for (const Case& c : cases) {
        Bytes out(8, 0xEE);
        EXPECT_FALSE(pack_card_bcd(c.text, out.data(), c.width)) << c.text.size();
        EXPECT_EQ(Bytes(8, 0xEE), out);
    }
}

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
        {"+-5", false, 0, 0},  // one sign only
        {" - 5", true, 0, 0},  // no space after the sign
        {"00012", false, 12, 12},
    };
    for (const Case& c : cases) {
        const auto v = read_decimal(c.text);
        EXPECT_EQ(c.negative, v.negative) << c.text;
        EXPECT_EQ(c.magnitude, v.magnitude) << c.text;
        EXPECT_EQ(c.low16, v.low16) << c.text;
    }
}

TEST(DecimalText, LongTextsSaturateAndKeepTheExactLowBits) {
    // 10^30 mod 2^16: 10^30 = 2^30 * 5^30, and 2^30 is a multiple of 2^16.
    const auto v = read_decimal("1" + std::string(30, '0'));
    EXPECT_EQ(DecimalValue::kSaturated, v.magnitude);
    EXPECT_EQ(0, v.low16);
    // 100,000 nines: the value + 1 is 10^100000, a multiple of 2^16.
    const auto w = read_decimal(std::string(100'000, '9'));
    EXPECT_EQ(0xFFFF, w.low16);
    EXPECT_FALSE(w.negative);
}

}  // namespace
