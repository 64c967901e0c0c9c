// Unpacking Ossel identifiers from answers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ossel/ossel_id.h"

namespace {

using Bytes = std::vector<uint8_t>;

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

}  // namespace
