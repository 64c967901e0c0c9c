// The shared BCD and big-endian helpers.
#include <gtest/gtest.h>

#include "wire/bcd_byte.h"
#include "wire/big_endian.h"

namespace {

TEST(WireNumbersUnit, BcdBytes) {
    struct Case {
        uint8_t bcd, value;
    } cases[] = {{0x00, 0}, {0x09, 9}, {0x10, 10}, {0x45, 45}, {0x99, 99}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.value, varanda::wire::bcd_to_binary(c.bcd));
        EXPECT_EQ(c.bcd, varanda::wire::binary_to_bcd(c.value));
    }
    EXPECT_EQ(10 * 10 + 11, varanda::wire::bcd_to_binary(0xAB));  // nibbles taken at face value
}

TEST(WireNumbersUnit, BigEndian) {
    uint8_t b[5] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    varanda::wire::put_be32(b, 0x01020304u);
    EXPECT_EQ(1, b[0]);
    EXPECT_EQ(2, b[1]);
    EXPECT_EQ(3, b[2]);
    EXPECT_EQ(4, b[3]);
    EXPECT_EQ(0xEE, b[4]);
    varanda::wire::put_be32(b, 300);
    EXPECT_EQ(0x2C, b[3]);
    EXPECT_EQ(0x01, b[2]);
    const uint8_t two[] = {0x01, 0x02};
    EXPECT_EQ(258, varanda::wire::get_be16(two));
}

}  // namespace
