#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wire/card_bcd.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(CardBcd, PacksRightAlignedFromTheLastCharacter) {
    struct Case {
        std::string text;
        size_t width;
        Bytes out;
    } cases[] = {
        {"123456", 7, {0x00, 0x00, 0x00, 0x00, 0x12, 0x34, 0x56}},
        {"7", 7, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07}},
        {"12345", 3, {0x01, 0x23, 0x45}},  // odd count: high nibble of the first byte zero
        {"123456", 3, {0x12, 0x34, 0x56}},
        {"", 2, {0x00, 0x00}},
        {"", 0, {}},
        {"9A:8", 2, {0x90, 0x08}},  // characters that are not digits count as 0
        {"98765432109876", 7, {0x98, 0x76, 0x54, 0x32, 0x10, 0x98, 0x76}},
    };
    for (const Case& c : cases) {
        Bytes out(c.width + 1, 0xEE);  // one guard byte
        ASSERT_TRUE(varanda::wire::pack_card_bcd(c.text, out.data(), c.width)) << c.text;
        EXPECT_EQ(0xEE, out.back()) << c.text;
        out.pop_back();
        EXPECT_EQ(c.out, out) << c.text;
    }
}

TEST(CardBcd, RefusesTextsThatNeedMoreBytesAndWritesNothing) {
    struct Case {
        std::string text;
        size_t width;
    } cases[] = {{"1234567", 3}, {"1", 0}, {std::string(100'000, '1'), 7}, {"123456789012345", 7}};
    for (const Case& c : cases) {
        Bytes out(8, 0xEE);
        EXPECT_FALSE(varanda::wire::pack_card_bcd(c.text, out.data(), c.width)) << c.text.size();
        EXPECT_EQ(Bytes(8, 0xEE), out);
    }
}

}  // namespace
