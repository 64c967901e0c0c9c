// Right-aligned packed BCD.
#include <gtest/gtest.h>

#include <vector>

#include "wire/packed_bcd.h"

namespace {

TEST(PackedBcd, RightAlignedWithLeadingZeroNibbles) {
    struct Case {
        const char* digits;
        size_t size;
        bool ok;
        std::vector<uint8_t> out;  // when refused: the untouched 0xEE fill
    } cases[] = {
        {"12345", 7, true, {0, 0, 0, 0, 0x01, 0x23, 0x45}},
        {"7", 7, true, {0, 0, 0, 0, 0, 0, 0x07}},
        {"1A3", 7, true, {0, 0, 0, 0, 0, 0x01, 0x03}},
        {"", 3, true, {0, 0, 0}},
        {"123456", 3, true, {0x12, 0x34, 0x56}},
        {"99", 1, true, {0x99}},
        {"x9", 1, true, {0x09}},
        {"1234567", 3, false, {0xEE, 0xEE, 0xEE}},
        {"1", 0, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.digits);
        std::vector<uint8_t> out(c.size, 0xEE);
        EXPECT_EQ(c.ok, varanda::wire::pack_bcd_right_aligned(out, c.digits));
        EXPECT_EQ(c.out, out);
    }
}

TEST(PackedBcd, DigitValues) {
    EXPECT_EQ(0, varanda::wire::bcd_digit('0'));
    EXPECT_EQ(9, varanda::wire::bcd_digit('9'));
    EXPECT_EQ(0, varanda::wire::bcd_digit('/'));
    EXPECT_EQ(0, varanda::wire::bcd_digit(':'));
    EXPECT_EQ(0, varanda::wire::bcd_digit('\xB5'));
}

}  // namespace
