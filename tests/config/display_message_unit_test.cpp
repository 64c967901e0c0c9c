// The display message formatter on its own: control byte, line placement,
// cutting, null texts, and no reading past what fits.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/display_message.h"
#include "display_expect.h"

namespace {

using displayexpect::padded;
using displayexpect::second_line;

std::vector<uint8_t> as_vector(const varanda::DisplayMessageImage& m) { return {m.begin(), m.end()}; }

TEST(DisplayMessageFormat, PlacesAndCutsTexts) {
    const std::string forty = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
    struct Case {
        const char* what;
        uint8_t flag;
        const char* text;
        std::vector<uint8_t> image;
    } cases[] = {
        {"short, both lines", 0, "Ola", padded("Ola")},
        {"40 chars, both lines", 0, forty.c_str(), padded(forty.substr(0, 32))},
        {"40 chars, second line", 1, forty.c_str(), second_line(forty.substr(0, 16))},
        {"any non-zero flag", 0x80, "abc", second_line("abc")},
        {"null, flag", 1, nullptr, second_line("")},
        {"null, no flag", 0, nullptr, padded("")},
        {"empty", 0, "", padded("")},
        {"leading 0xFF kept", 0, "\xFFX", padded("\xFFX")},
        {"leading 0xFE kept", 0, "\xFE", padded("\xFE")},
        {"bytes copied untranslated", 1, "\xE7\xE3o", second_line("\xE7\xE3o")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.image, as_vector(varanda::make_display_message(c.flag, c.text)));
    }
}

TEST(DisplayMessageFormat, OverwritesEverythingAndStaysInItsSlot) {
    std::vector<uint8_t> block(34, 0xAB);
    varanda::format_display_message(varanda::DisplayMessageSlot(block.data() + 1, 32), 1, "x");
    EXPECT_EQ(0xAB, block[0]);
    EXPECT_EQ(0xAB, block[33]);
    EXPECT_EQ(second_line("x"), std::vector<uint8_t>(block.begin() + 1, block.begin() + 33));
}

TEST(DisplayMessageFormat, ReadsNoFurtherThanTheCharactersThatFit) {
    // Texts without a terminating zero, exactly as long as their field: a
    // read past them would leave the allocation (and trip the sanitizer).
    auto full = std::make_unique<char[]>(32);
    std::fill(full.get(), full.get() + 32, 'z');
    EXPECT_EQ(padded(std::string(32, 'z')), as_vector(varanda::make_display_message(0, full.get())));
    auto half = std::make_unique<char[]>(16);
    std::fill(half.get(), half.get() + 16, 'y');
    EXPECT_EQ(second_line(std::string(16, 'y')), as_vector(varanda::make_display_message(1, half.get())));
}

}  // namespace
