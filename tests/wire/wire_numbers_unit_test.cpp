// The shared BCD and big-endian helpers.
#include <gtest/gtest.h>

#include "wire/bcd_byte.h"
#include "wire/byte_order.h"

namespace {

using namespace varanda::wire;

TEST(WireNumbersUnit, BcdAndBigEndian) {
    for (const auto& [bcd, value] : {std::pair<uint8_t, uint8_t>{0x00, 0}, {0x09, 9}, {0x10, 10}, {0x45, 45}, {0x99, 99}}) {
        EXPECT_EQ(value, bcd_to_binary(bcd));
    }
    uint8_t b[5] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    put_u32_be(b, 0x01020304u);
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 3, 4, 0xEE}), std::vector<uint8_t>(b, b + 5));
    EXPECT_EQ(0x0102, get_u16_be(b));
    put_u16_le(b + 3, 0x0A0B);
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 3, 0x0B, 0x0A}), std::vector<uint8_t>(b, b + 5));
}

}  // namespace
