// The access list built directly: the wire images, the insert checks and the
// choice of payload form, for every combination of card pattern, digit count
// and old-terminal flag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "schedules/access_list_images.h"
#include "schedules/access_list_rules.h"

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

TEST(AccessListRules, NewEntryChecksInOrder) {
    const std::string huge(100'000, '1');
    struct Case {
        CardSettings s;
        const char* card;
        uint8_t schedule;
        size_t entries;  // already in the list
        uint8_t code;
    } cases[] = {
        {settings(0, 14), nullptr, 0, 0, 128},
        {settings(0, 14), "65000", 1, 0, 0},
        {settings(0, 14), "65001", 1, 0, 128},
        {settings(0, 14), "-1", 1, 0, 128},
        {settings(0, 14), "-0", 1, 0, 0},
        {settings(0, 14), "123456", 1, 0, 129},
        {settings(0, 14), "123456", 0, 0, 129},  // length before schedule
        {settings(0, 14), " 9999", 1, 0, 0},
        {settings(0, 14), "abc", 102, 0, 0},     // reads as 0
        {settings(0, 14), huge.c_str(), 1, 0, 129},
        {settings(0, 2), "65000", 1, 0, 0},      // the digit count does not bound pattern 0
        {settings(1, 14), "12345678901234", 102, 0, 0},
        {settings(1, 14), "123456789012345", 1, 0, 129},
        {settings(1, 14), huge.c_str(), 1, 0, 129},
        {settings(1, 13), "1234567890123", 1, 0, 129},  // 13 characters need 7 bytes, F is 6
        {settings(1, 13), "123456789012", 1, 0, 0},
        {settings(1, 1), "1", 1, 0, 129},               // F = 0 holds no character
        {settings(1, 1), "", 1, 0, 0},
        {settings(1, 14), "1", 0, 0, 130},
        {settings(1, 14), "1", 103, 0, 130},
        {settings(1, 14, true), "1", 52, 0, 0},
        {settings(1, 14, true), "1", 53, 0, 130},
        {settings(0, 14, true), "1", 53, 0, 130},
        // Capacity: old terminals 9,000 entry bytes; otherwise the blocks image.
        {settings(1, 14, true), "1", 1, 1'124, 0},
        {settings(1, 14, true), "1", 1, 1'125, 131},
        {settings(0, 14, true), "1", 1, 2'999, 0},
        {settings(0, 14, true), "1", 1, 3'000, 131},
        {settings(1, 14), "1", 1, 16'382, 0},    // 16,383 x 8 = 131,064 bytes
        {settings(1, 14), "1", 1, 16'383, 131},
        {settings(0, 14), "1", 1, 43'689, 0},    // 43,690 x 3 = 131,070 bytes
        {settings(0, 14), "1", 1, 43'690, 131},
        {settings(1, 0), "", 1, 65'534, 0},      // 1-byte entries: the 16-bit entry count bounds
        {settings(1, 0), "", 1, 65'535, 131},
        {settings(1, 14), "1", 0, 16'383, 130},  // schedule checked before capacity
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.code, varanda::access_list::check_new_entry(c.card, c.schedule, c.entries, c.s))
            << "pattern " << int(c.s.pattern) << " digits " << int(c.s.digit_count) << " old " << c.s.old_terminal
            << " card " << (c.card ? std::string(c.card).substr(0, 20) : "(null)") << " schedule "
            << int(c.schedule) << " entries " << c.entries;
    }
}

TEST(AccessListRules, FormFollowsTheEstimateAndTheRealSize) {
    struct Case {
        CardSettings s;
        size_t entries;
        Layout layout;
    } cases[] = {
        {settings(1, 14), 0, Layout::kCounted},
        {settings(1, 14), 5'625, Layout::kCounted},  // 45,000
        {settings(1, 14), 5'626, Layout::kBlocks},   // 45,008
        {settings(0, 14), 5'625, Layout::kCounted},  // estimate 45,000, real 16,875
        {settings(0, 14), 5'626, Layout::kBlocks},   // estimate 45,008, real 16,878
        {settings(1, 0), 45'000, Layout::kCounted},  // 1-byte entries
        {settings(1, 0), 45'001, Layout::kBlocks},   // estimate 45,001 but 45,001 real bytes do not fit
        {settings(1, 0), 45'002, Layout::kBlocks},
        {settings(0, 2), 15'000, Layout::kCounted},  // estimate 30,000, real 45,000
        {settings(0, 2), 15'001, Layout::kBlocks},   // real 45,003 exceeds the image
        {settings(1, 14, true), 60'000, Layout::kOld},
        {settings(0, 14, true), 0, Layout::kOld},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.layout, varanda::access_list::first_layout(c.entries, c.s))
            << "pattern " << int(c.s.pattern) << " digits " << int(c.s.digit_count) << " entries " << c.entries;
    }
}

}  // namespace
