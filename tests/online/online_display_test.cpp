// The online operations that send one frame at once: entry forms (107), the
// printer messages (109, 127; 254 padded bytes and a marker) and the display
// messages (104; 32 bytes of text placed as DisplayMessageFormat shows, then
// the time byte).
#include <functional>
#include <string>

#include "../config/display_expect.h"
#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;
using displayexpect::padded;
using displayexpect::second_line;

Bytes with_last(Bytes b, uint8_t last) {
    b.push_back(last);
    return b;
}

class OnlineDisplay : public testsupport::SdkTest {};

TEST_F(OnlineDisplay, EachCallSendsItsExactFrameOrNothing) {
    open_tcp_lib();
    std::string long_text;
    for (int i = 0; i < 300; ++i) long_text += char('a' + i % 26);
    const std::string cut = long_text.substr(0, 254);
    using Call = std::function<uint8_t(VarandaApi&)>;
    struct Case {
        const char* what;
        Call call;
        uint8_t code;
        int32_t command;
        Bytes frame;
    } cases[] = {
        // Entry forms: keypad1, keypad2, forms, keypad3, keypad4, checked in record order.
        {"forms, every upper bound", [](VarandaApi& a) { return a.EnviarFormasEntradasOnLine(9, 20, 2, 0, 50, 32); },
         0, 107, {20, 2, 0, 50, 32}},
        {"forms byte takes anything", [](VarandaApi& a) { return a.EnviarFormasEntradasOnLine(9, 0, 0, 255, 0, 0); },
         0, 107, {0, 0, 255, 0, 0}},
        {"keypad1 21", [](VarandaApi& a) { return a.EnviarFormasEntradasOnLine(9, 21, 2, 0, 50, 32); }, 128, 0, {}},
        {"keypad2 3", [](VarandaApi& a) { return a.EnviarFormasEntradasOnLine(9, 20, 3, 0, 50, 32); }, 129, 0, {}},
        {"keypad3 51", [](VarandaApi& a) { return a.EnviarFormasEntradasOnLine(9, 0, 0, 255, 51, 0); }, 131, 0, {}},
        {"keypad4 33", [](VarandaApi& a) { return a.EnviarFormasEntradasOnLine(9, 0, 0, 0, 0, 33); }, 132, 0, {}},
        {"first failing field wins", [](VarandaApi& a) { return a.EnviarFormasEntradasOnLine(9, 0, 3, 0, 51, 33); },
         129, 0, {}},
        {"printer 00", [](VarandaApi& a) { return a.EnviarMensagemImpressora00(9, "Hello"); }, 0, 109,
         with_last(padded("Hello", 254), 0x00)},
        {"printer 00 null", [](VarandaApi& a) { return a.EnviarMensagemImpressora00(9, nullptr); }, 0, 109,
         with_last(padded("", 254), 0x00)},
        {"printer FF empty", [](VarandaApi& a) { return a.EnviarMensagemImpressoraFF(9, ""); }, 0, 127,
         with_last(padded("", 254), 0xFF)},
        {"printer FF cut", [&](VarandaApi& a) { return a.EnviarMensagemImpressoraFF(9, long_text.c_str()); }, 0, 127,
         with_last(Bytes(cut.begin(), cut.end()), 0xFF)},
        {"standard message", [](VarandaApi& a) { return a.EnviarMensagemPadraoOnLine(9, 0, "Bem-vindo"); }, 0, 104,
         with_last(padded("Bem-vindo"), 0xFF)},
        {"temporary 0", [](VarandaApi& a) { return a.EnviarMensagemTemporariaOnLine(9, 0, "Aguarde", 0); }, 0, 104,
         with_last(padded("Aguarde"), 0)},
        {"temporary 200", [](VarandaApi& a) { return a.EnviarMensagemTemporariaOnLine(9, 2, "Ok", 200); }, 0, 104,
         with_last(second_line("Ok"), 200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        EXPECT_EQ(c.code, c.call(api()));
        auto s = sent();
        ASSERT_EQ(c.code == 0 ? 1u : 0u, s.size());
        if (c.code == 0) {
            EXPECT_EQ(9, s[0].terminal);
            EXPECT_EQ(c.command, s[0].command);
            EXPECT_EQ(c.frame, s[0].data);
            EXPECT_EQ(int32_t(c.frame.size()), tcp_.calls("Envia_Dados")[0].ints[2]);
        }
    }
}

TEST_F(OnlineDisplay, MessageFailuresPassThroughAndNothingIsKept) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    EXPECT_EQ(2, api().EnviarMensagemPadraoOnLine(1, 0, "x"));
    EXPECT_EQ(2, api().EnviarMensagemTemporariaOnLine(1, 0, "x", 3));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().EnviarMensagemPadraoOnLine(1, 0, "x"));
    // Online messages touch none of the prepared blocks.
    ASSERT_EQ(0, api().EnviarBufferEventosMudancaAuto(1));
    const auto block = sent().back().data;
    EXPECT_EQ(134, sent().back().command);
    EXPECT_EQ(std::vector<uint8_t>(64, ' '), std::vector<uint8_t>(block.begin(), block.begin() + 64));
}

}  // namespace
