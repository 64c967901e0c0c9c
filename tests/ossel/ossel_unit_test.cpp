// Packing and unpacking Ossel identifiers, and the two verdict tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ossel/ossel_id.h"
#include "ossel/ossel_result.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(OsselId, Packing) {
    struct Case {
        const char* text;
        uint8_t length;
        Bytes packed;
    } cases[] = {
        {"12345", 5, {0x12, 0x34, 0x5F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"1", 1, {0x1F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"12", 2, {0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"", 0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"x9", 2, {0x09, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"123456789012345678", 16, {0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56}},
    };
    for (const Case& c : cases) {
        Bytes out(9, 0xEE);
        varanda::pack_ossel_id(c.text, out.data());
        EXPECT_EQ(c.packed, Bytes(out.begin(), out.begin() + 8)) << c.text;
        EXPECT_EQ(0xEE, out[8]);
        EXPECT_EQ(c.length, varanda::ossel_id_length(c.text));
    }
}

TEST(OsselId, UnpackingNeverWritesMoreThanSixteenCharacters) {
    struct Case {
        Bytes packed;  // 9 bytes
        std::string text;
    } cases[] = {
        {{0x12, 0x3F, 0, 0, 0, 0, 0, 0, 0}, "123"},
        {{0xF1, 0, 0, 0, 0, 0, 0, 0, 0}, ""},
        {{0x1A, 0xFF, 0, 0, 0, 0, 0, 0, 0}, "110"},
        {{0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56, 0x78}, "1234567890123456"},
        {{0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA}, "1010101010101010"},
        {{0x1A, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA}, "110101010101010"},
    };
    for (const Case& c : cases) {
        char out[20];
        std::memset(out, 'z', sizeof out);
        const size_t n = varanda::unpack_ossel_id(c.packed.data(), out);
        EXPECT_EQ(c.text.size(), n);
        EXPECT_EQ(c.text, std::string(out, n));
        if (n < 16) {
            EXPECT_EQ('\0', out[n]);
        }
        EXPECT_EQ('z', out[16]);  // never beyond 16 characters
    }
}

TEST(OsselResult, CodeTables) {
    const uint8_t offline[] = {0, 128, 129, 130, 131, 132, 133, 128, 128};
    for (int r = 0; r < 9; ++r) EXPECT_EQ(offline[r], varanda::ossel_offline_code(static_cast<uint8_t>(r))) << r;
    EXPECT_EQ(128, varanda::ossel_offline_code(255));
    struct Case {
        uint8_t result, code;
    } online[] = {{2, 0}, {7, 0}, {3, 130}, {4, 134}, {0, 128}, {1, 128}, {5, 128}, {6, 128}, {8, 128}, {255, 128}};
    for (const Case& c : online) EXPECT_EQ(c.code, varanda::ossel_online_code(c.result)) << int(c.result);
}

}  // namespace
