// The offline message table through the exports: its reset contents, each
// setter's slot, the score byte, and sends that consume the table
// (command 106).
#include <functional>

#include "display_expect.h"
#include "sdk_test.h"

namespace {

using displayexpect::padded;
using displayexpect::second_line;
using displayexpect::slice;

// The table a fresh library (and every send) leaves.
std::vector<uint8_t> reset_table() {
    std::vector<uint8_t> t;
    for (const char* text : {" Passe o cartao ", "   Entrada OK   ", "    Saida OK    "}) {
        auto m = second_line(text);
        t.insert(t.end(), m.begin(), m.end());
    }
    for (int i = 0; i < 10; ++i) {
        auto m = padded("\xFF");
        t.insert(t.end(), m.begin(), m.end());
    }
    return t;
}

class OfflineMessages : public testsupport::SdkTest {
protected:
    // Sends the table to terminal 1 and returns what went out.
    std::vector<uint8_t> send_table() {
        const size_t before = sent().size();
        EXPECT_EQ(0, api().EnviarMensagensOffLine(1));
        auto s = sent();
        EXPECT_EQ(before + 1, s.size());
        return s.empty() ? std::vector<uint8_t>() : s.back().data;
    }
};

TEST_F(OfflineMessages, ResetContentsAreTheThreeDefaultsAndDisabledFunctions) {
    open_tcp_lib();
    const auto t = send_table();
    ASSERT_EQ(416u, t.size());
    // Written out in full once, independently of the helpers above.
    EXPECT_EQ(std::string("\xFE               ") + " Passe o cartao ", std::string(t.begin(), t.begin() + 32));
    EXPECT_EQ(std::string("\xFE               ") + "   Entrada OK   ", std::string(t.begin() + 32, t.begin() + 64));
    EXPECT_EQ(std::string("\xFE               ") + "    Saida OK    ", std::string(t.begin() + 64, t.begin() + 96));
    EXPECT_EQ(reset_table(), t);
    auto call = tcp_.calls("Envia_Dados")[0];
    EXPECT_EQ(106, call.ints[1]);
    EXPECT_EQ(416, call.ints[2]);
}

TEST_F(OfflineMessages, EachSetterFormatsItsSlotOnly) {
    open_tcp_lib();
    const std::string forty = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
    struct Case {
        const char* what;
        std::function<uint8_t(VarandaApi&)> call;
        uint8_t code;
        int slot;                     // -1: nothing changes
        std::vector<uint8_t> image;
    } cases[] = {
        {"entry two lines", [&](VarandaApi& a) { return a.DefinirMensagemEntradaOffLine(0, forty.c_str()); }, 0, 0,
         padded(forty.substr(0, 32))},
        {"exit second line", [&](VarandaApi& a) { return a.DefinirMensagemSaidaOffLine(1, forty.c_str()); }, 0, 1,
         second_line(forty.substr(0, 16))},
        {"default null flag", [](VarandaApi& a) { return a.DefinirMensagemPadraoOffLine(7, nullptr); }, 0, 2,
         second_line("")},
        {"function 9 on", [](VarandaApi& a) { return a.DefinirMensagemFuncaoOffLine("Almoco", 9, 1); }, 0, 12,
         padded("Almoco")},
        {"function 0 off", [](VarandaApi& a) { return a.DefinirMensagemFuncaoOffLine("Intervalo", 0, 0); }, 0, 3,
         padded("\xFFntervalo")},
        {"function 10", [](VarandaApi& a) { return a.DefinirMensagemFuncaoOffLine("x", 10, 1); }, 128, -1, {}},
        {"function null", [](VarandaApi& a) { return a.DefinirMensagemFuncaoOffLine(nullptr, 4, 1); }, 0, 7,
         padded("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> expected = reset_table();
        EXPECT_EQ(c.code, c.call(api()));
        if (c.slot >= 0) std::copy(c.image.begin(), c.image.end(), expected.begin() + c.slot * 32);
        EXPECT_EQ(expected, send_table());
    }
}

TEST_F(OfflineMessages, ScoreByteReplacesOnlyByteZeroOfSlotZeroOrOne) {
    open_tcp_lib();
    struct Case {
        const char* what;
        uint8_t slot;
        uint8_t enabled;
        uint8_t code;
        std::vector<uint8_t> slot0, slot1;
    } cases[] = {
        {"slot 0 on", 0, 1, 0, padded("\xFDZ345678901234567890"), second_line("second")},
        {"slot 1 on", 1, 9, 0, padded("FZ345678901234567890"), second_line("second", 0xFD)},
        {"slot 0 off", 0, 0, 0, padded("\xFEZ345678901234567890"), second_line("second")},
        {"slot 2", 2, 1, 128, padded("FZ345678901234567890"), second_line("second")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(0, api().DefinirMensagemEntradaOffLine(0, "FZ345678901234567890"));
        ASSERT_EQ(0, api().DefinirMensagemSaidaOffLine(1, "second"));
        EXPECT_EQ(c.code, api().HabilitarScoreMensagemOffLine(0x12345678, c.slot, c.enabled));
        const auto t = send_table();
        EXPECT_EQ(c.slot0, slice(t, 0, 32));
        EXPECT_EQ(c.slot1, slice(t, 32, 32));
        EXPECT_EQ(slice(reset_table(), 64, 352), slice(t, 64, 352));
    }
}

TEST_F(OfflineMessages, EverySendConsumesTheTableEvenWhenItFails) {
    struct Case {
        const char* what;
        int32_t transport;  // result of Envia_Dados
        uint8_t code;
    } cases[] = {{"accepted", 31, 0}, {"refused", 21, 1}};
    open_tcp_lib();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        ASSERT_EQ(0, api().DefinirMensagemEntradaOffLine(0, "Bom dia"));
        ASSERT_EQ(0, api().DefinirMensagemFuncaoOffLine("F1", 1, 1));
        tcp_.queue_result("Envia_Dados", c.transport);
        EXPECT_EQ(c.code, api().EnviarMensagensOffLine(5));
        EXPECT_EQ(0, api().EnviarMensagensOffLine(5));
        auto s = sent();
        ASSERT_EQ(2u, s.size());
        EXPECT_EQ(padded("Bom dia"), slice(s[0].data, 0, 32));
        EXPECT_EQ(padded("F1"), slice(s[0].data, 4 * 32, 32));
        EXPECT_EQ(reset_table(), s[1].data);
    }
}

TEST_F(OfflineMessages, SendOnAClosedPortStillConsumesTheTable) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    ASSERT_EQ(0, api().DefinirMensagemPadraoOffLine(1, "x"));
    EXPECT_EQ(2, api().EnviarMensagensOffLine(1));
    EXPECT_TRUE(sent().empty());
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    EXPECT_EQ(reset_table(), send_table());
}

TEST_F(OfflineMessages, ClearingSendsTheDefaults) {
    open_tcp_lib();
    ASSERT_EQ(0, api().DefinirMensagemSaidaOffLine(0, "Tchau"));
    EXPECT_EQ(0, api().ApagarMensagensOffLine(8));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(8, s[0].terminal);
    EXPECT_EQ(106, s[0].command);
    EXPECT_EQ(reset_table(), s[0].data);
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().ApagarMensagensOffLine(8));
}

TEST_F(OfflineMessages, TerminalTableIsReadIntoTheCallersBufferOnly) {
    std::vector<uint8_t> answer(416);
    for (size_t i = 0; i < answer.size(); ++i) answer[i] = static_cast<uint8_t>(i * 7);
    const std::vector<uint8_t> untouched(420, 0x33);
    std::vector<uint8_t> buffer = untouched;

    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    EXPECT_EQ(2, api().ReceberBufferMsgA(1, buffer.data()));
    EXPECT_EQ(untouched, buffer);
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    tcp_.reset();
    EXPECT_EQ(1, api().ReceberBufferMsgA(1, buffer.data()));  // nothing answered
    EXPECT_EQ(untouched, buffer);

    tcp_.queue_answer(answer);
    EXPECT_EQ(0, api().ReceberBufferMsgA(4, buffer.data()));
    EXPECT_EQ(answer, slice(buffer, 0, 416));
    EXPECT_EQ(std::vector<uint8_t>(4, 0x33), slice(buffer, 416, 4));
    auto reads = tcp_.calls("Recebe_Dados");
    ASSERT_EQ(2u, reads.size());
    EXPECT_EQ(4, reads[1].ints[0]);
    EXPECT_EQ(206, reads[1].ints[1]);
    EXPECT_EQ(416, reads[1].ints[2]);

    EXPECT_EQ(reset_table(), send_table());  // the library's table is not changed
    EXPECT_EQ(255, api().GetBufferMsgDLL(1, 0));
    EXPECT_EQ(1u, sent().size());
}

}  // namespace
