// The wire images of the access list, built directly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "schedules/access_list_images.h"

namespace {

using Bytes = std::vector<uint8_t>;
using varanda::AccessListEntry;
using varanda::access_list::CardSettings;
using varanda::access_list::Image;
using varanda::access_list::Layout;

CardSettings settings(uint8_t pattern, uint8_t digits, bool old = false) {
    CardSettings s;
    s.pattern = pattern;
    s.digit_count = digits;
    s.old_terminal = old;
    return s;
}

TEST(AccessListImages, EntryEncodingByPatternAndDigitCount) {
    struct Case {
        CardSettings s;
        std::string card;
        uint8_t schedule;
        Bytes out;  // empty: refused
    } cases[] = {
        {settings(0, 14), "65000", 1, {0xE8, 0xFD, 0x01}},
        {settings(0, 14), "1", 102, {0x01, 0x00, 0x66}},
        // Inserted under pattern 1, sent under pattern 0: the low 16 bits.
        {settings(0, 14), "65536", 2, {0x00, 0x00, 0x02}},
        {settings(0, 14), "70000", 2, {0x70, 0x11, 0x02}},
        {settings(0, 14), "-2", 2, {0xFE, 0xFF, 0x02}},
        {settings(1, 16), "1234567890123456", 3, {0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56, 0x03}},
        {settings(1, 5), "1234", 4, {0x12, 0x34, 0x04}},
        {settings(1, 5), "12345", 4, {}},  // needs 3 bytes, F is 2
        {settings(1, 0), "", 4, {0x04}},
        {settings(1, 0), "1", 4, {}},
    };
    for (const Case& c : cases) {
        Bytes out(20, 0xEE);
        const bool ok = varanda::access_list::encode_entry(AccessListEntry{c.card, c.schedule}, c.s, out.data());
        EXPECT_EQ(!c.out.empty(), ok) << c.card;
        if (ok) {
            EXPECT_EQ(c.out, Bytes(out.begin(), out.begin() + c.out.size())) << c.card;
            EXPECT_EQ(0xEE, out[c.out.size()]) << c.card;  // nothing past the entry
        } else {
            EXPECT_EQ(Bytes(20, 0xEE), out) << c.card;
        }
    }
}

TEST(AccessListImages, EachLayoutHasItsSizeHeaderAndLength) {
    const std::vector<AccessListEntry> three = {{"1", 1}, {"2", 2}, {"515", 3}};
    struct Case {
        Layout layout;
        size_t size;
        int32_t length;
        size_t at;      // first entry byte
        Bytes header;   // bytes 0..1 when there is one
    } cases[] = {
        {Layout::kCounted, 45'002, 11, 2, {0x00, 0x09}},
        {Layout::kFull, 45'002, 45'000, 0, {}},
        {Layout::kBlocks, 131'072, 131'072, 2, {0x00, 0x03}},
        {Layout::kOld, 9'000, 9'000, 0, {}},
    };
    const Bytes entries = {0x01, 0x00, 0x01, 0x02, 0x00, 0x02, 0x03, 0x02, 0x03};
    for (const Case& c : cases) {
        Image img;
        ASSERT_TRUE(varanda::access_list::build_image(c.layout, three, settings(0, 14), img));
        ASSERT_EQ(c.size, img.bytes.size());
        EXPECT_EQ(c.length, img.length);
        EXPECT_EQ(c.header, Bytes(img.bytes.begin(), img.bytes.begin() + c.header.size()));
        EXPECT_EQ(entries, Bytes(img.bytes.begin() + c.at, img.bytes.begin() + c.at + 9));
        for (size_t i = c.at + 9; i < img.bytes.size(); ++i) ASSERT_EQ(0xFF, img.bytes[i]) << i;
    }
}

}  // namespace
