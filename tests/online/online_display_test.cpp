// EnviarFormasEntradasOnLine and the printer messages through the exports.
#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

class OnlineDisplay : public testsupport::SdkTest {};

TEST_F(OnlineDisplay, EntryFormsAreCheckedInRecordOrderThenSent) {
    open_tcp_lib();
    struct Case {
        Bytes fields;  // keypad1, keypad2, forms, keypad3, keypad4
        uint8_t code;
    } cases[] = {
        {{20, 2, 0, 50, 32}, 0},     // every upper bound
        {{0, 0, 255, 0, 0}, 0},      // the entry forms byte takes anything
        {{21, 2, 0, 50, 32}, 128},
        {{20, 3, 0, 50, 32}, 129},
        {{0, 0, 255, 51, 0}, 131},
        {{0, 0, 0, 0, 33}, 132},
        {{0, 3, 0, 51, 33}, 129},  // the first failing field wins
    };
    for (const Case& c : cases) {
        tcp_.reset();
        const Bytes& v = c.fields;
        EXPECT_EQ(c.code, api().EnviarFormasEntradasOnLine(9, v[0], v[1], v[2], v[3], v[4]));
        auto s = sent();
        if (c.code != 0) {
            EXPECT_TRUE(s.empty());
            continue;
        }
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(9, s[0].terminal);
        EXPECT_EQ(107, s[0].command);
        EXPECT_EQ(v, s[0].data);
    }
}

TEST_F(OnlineDisplay, PrinterMessageIs254PaddedBytesAndAMarker) {
    open_tcp_lib();
    std::string long_text;
    for (int i = 0; i < 300; ++i) long_text += char('a' + i % 26);
    struct Case {
        const char* text;
        std::string expected;  // the 254 text bytes
    } cases[] = {
        {"Hello", "Hello" + std::string(249, ' ')},
        {nullptr, std::string(254, ' ')},
        {"", std::string(254, ' ')},
        {long_text.c_str(), long_text.substr(0, 254)},
    };
    using Print = uint8_t(VARANDA_CALL*)(int32_t, const char*);
    struct Form {
        Print op;
        int32_t command;
        uint8_t marker;
    } forms[] = {{api().EnviarMensagemImpressora00, 109, 0x00}, {api().EnviarMensagemImpressoraFF, 127, 0xFF}};
    for (const Form& form : forms) {
        for (const Case& c : cases) {
            SCOPED_TRACE(form.command);
            tcp_.reset();
            EXPECT_EQ(0, form.op(2, c.text));
            auto s = sent();
            ASSERT_EQ(1u, s.size());
            EXPECT_EQ(form.command, s[0].command);
            ASSERT_EQ(255u, s[0].data.size());
            EXPECT_EQ(c.expected, std::string(s[0].data.begin(), s[0].data.begin() + 254));
            EXPECT_EQ(form.marker, s[0].data[254]);
        }
    }
}

}  // namespace
