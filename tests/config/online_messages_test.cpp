// Online display messages through the exports (command 104, 33 bytes; the
// texts' placement and cutting: DisplayMessageFormat).
#include "display_expect.h"
#include "sdk_test.h"

namespace {

using displayexpect::padded;
using displayexpect::second_line;

class OnlineMessages : public testsupport::SdkTest {};

TEST_F(OnlineMessages, StandardAndTemporaryMessagesCarryTheirLastByte) {
    open_tcp_lib();
    struct Case {
        const char* what;
        bool temporary;
        uint8_t flag;
        const char* text;
        uint8_t time;
        std::vector<uint8_t> image;
        uint8_t last;
    } cases[] = {
        {"standard", false, 0, "Bem-vindo", 0, padded("Bem-vindo"), 0xFF},
        {"temporary 0", true, 0, "Aguarde", 0, padded("Aguarde"), 0},
        {"temporary 200", true, 2, "Ok", 200, second_line("Ok"), 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        const uint8_t code = c.temporary ? api().EnviarMensagemTemporariaOnLine(6, c.flag, c.text, c.time)
                                         : api().EnviarMensagemPadraoOnLine(6, c.flag, c.text);
        EXPECT_EQ(0, code);
        auto s = sent();
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(6, s[0].terminal);
        EXPECT_EQ(104, s[0].command);
        EXPECT_EQ(33, tcp_.calls("Envia_Dados")[0].ints[2]);
        auto expected = c.image;
        expected.push_back(c.last);
        EXPECT_EQ(expected, s[0].data);
    }
}

TEST_F(OnlineMessages, FailuresPassThroughAndNothingIsKept) {
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
