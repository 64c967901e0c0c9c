// The offline message table through the exports: its reset contents, each
// setter's slot and the score byte (command 106). Then, for every prepared
// block, what a send does to it, and reading a terminal's block.
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

// Each setter formats its own slot; the rest stays as reset (the three
// defaults, then ten disabled functions), which every send leaves.
TEST_F(OfflineMessages, EachSetterFormatsItsSlotOnly) {
    open_tcp_lib();
    const auto t = send_table();  // the reset table, written out once without the helpers
    EXPECT_EQ(std::string("\xFE               ") + " Passe o cartao ", std::string(t.begin(), t.begin() + 32));
    EXPECT_EQ(std::string("\xFE               ") + "   Entrada OK   ", std::string(t.begin() + 32, t.begin() + 64));
    EXPECT_EQ(std::string("\xFE               ") + "    Saida OK    ", std::string(t.begin() + 64, t.begin() + 96));
    EXPECT_EQ(reset_table(), t);
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

// A closed port gives 2 and sends nothing, a failed send gives 1 after
// sending the block; afterwards the block is kept or back to its reset
// contents, which the clearing calls send. `probe` is a byte the setter writes.
class PreparedBlocks : public testsupport::SdkTest {
protected:
    using Op = std::function<uint8_t(VarandaApi&)>;
    std::vector<uint8_t> send_once(const Op& op, uint8_t code, int32_t command, size_t length) {
        EXPECT_EQ(code, op(api()));
        auto s = sent();
        tcp_.reset();
        EXPECT_EQ(1u, s.size());
        if (s.size() != 1) return std::vector<uint8_t>(length);
        EXPECT_EQ(command, s[0].command);
        EXPECT_EQ(length, s[0].data.size());
        return s[0].data;
    }
};

TEST_F(PreparedBlocks, EachSendKeepsOrConsumesItsBlockWhateverTheOutcome) {
    struct Case {
        const char* what;
        Op set, send, clear;
        int32_t command;
        size_t length;
        bool consumed;
        size_t probe;
        uint8_t value;
    } cases[] = {
        {"configuration", [](VarandaApi& a) { return a.DefinirNivelAcesso(5); },
         [](VarandaApi& a) { return a.EnviarConfiguracoes(1); }, nullptr, 100, 50, false, 11, 5},
        {"offline messages", [](VarandaApi& a) { return a.DefinirMensagemFuncaoOffLine("F1", 1, 1); },
         [](VarandaApi& a) { return a.EnviarMensagensOffLine(1); },
         [](VarandaApi& a) { return a.ApagarMensagensOffLine(1); }, 106, 416, true, 4 * 32, 'F'},
        {"function keys", [](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(5, 1, 1, 1, 0, 0); },
         [](VarandaApi& a) { return a.EnviarConfiguracoesFuncoes(1); }, nullptr, 128, 10, true, 5, 0x0D},
        {"online/offline change", [](VarandaApi& a) { return a.HabilitarMudancaOnLineOffLine(1, 5); },
         [](VarandaApi& a) { return a.EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(1); }, nullptr, 114, 72, false,
         1, 5},
        {"change events", [](VarandaApi& a) { return a.HabilitaMudancaEventoSeta(5); },
         [](VarandaApi& a) { return a.EnviarBufferEventosMudancaAuto(1); }, nullptr, 134, 77, false, 76, 1},
        {"access schedules", [](VarandaApi& a) { return a.InserirHorarioAcesso(3, 3, 3, 3, 3); },
         [](VarandaApi& a) { return a.EnviarHorariosAcesso(1); },
         [](VarandaApi& a) { return a.ApagarHorariosAcesso(1); }, 111, 5600, true, 132, 3},
        {"sirens", [](VarandaApi& a) { return a.InserirHorarioSirene(7, 0, 1, 1, 1, 1, 1, 0, 0); },
         [](VarandaApi& a) { return a.EnviarHorariosSirene(1); },
         [](VarandaApi& a) { return a.ApagarHorariosSirene(1); }, 112, 300, true, 0, 7},
    };
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
        tcp_.reset();
        const auto fresh = send_once(c.send, 0, c.command, c.length);
        ASSERT_NE(c.value, fresh[c.probe]);
        ASSERT_EQ(0, c.set(api()));
        api().FecharPortaComunicacao();
        EXPECT_EQ(2, c.send(api()));
        ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
        EXPECT_TRUE(sent().empty());
        EXPECT_EQ(c.consumed ? fresh[c.probe] : c.value, send_once(c.send, 0, c.command, c.length)[c.probe]);

        ASSERT_EQ(0, c.set(api()));
        tcp_.queue_result("Envia_Dados", 21);
        const auto failed = send_once(c.send, 1, c.command, c.length);
        EXPECT_EQ(c.value, failed[c.probe]);
        EXPECT_EQ(c.consumed ? fresh : failed, send_once(c.send, 0, c.command, c.length));
        if (c.clear) {
            for (int32_t result : {31, 21}) {
                ASSERT_EQ(0, c.set(api()));
                tcp_.queue_result("Envia_Dados", result);
                EXPECT_EQ(fresh, send_once(c.clear, result == 31 ? 0 : 1, c.command, c.length));
                EXPECT_EQ(fresh, send_once(c.send, 0, c.command, c.length));
            }
        }
        api().FecharPortaComunicacao();
    }
}

// The terminal's configuration record (200) and message table (206).
TEST_F(PreparedBlocks, ReadingATerminalsBlockFillsOnlyTheCallersBuffer) {
    using Read = uint8_t(VARANDA_CALL*)(int32_t, uint8_t*);
    const struct {
        Read read;
        int32_t command;
        size_t length;
    } cases[] = {{api().ReceberBufferConfig, 200, 50}, {api().ReceberBufferMsgA, 206, 416}};
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        std::vector<uint8_t> answer(c.length);
        for (size_t i = 0; i < answer.size(); ++i) answer[i] = static_cast<uint8_t>(0x80 + i * 7);
        const std::vector<uint8_t> untouched(c.length + 4, 0x33);
        std::vector<uint8_t> buffer = untouched;
        EXPECT_EQ(2, c.read(1, buffer.data()));  // closed port
        EXPECT_EQ(untouched, buffer);
        ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
        tcp_.reset();
        EXPECT_EQ(1, c.read(1, buffer.data()));  // nothing answered
        EXPECT_EQ(untouched, buffer);

        tcp_.queue_answer(answer);
        EXPECT_EQ(0, c.read(4, buffer.data()));
        EXPECT_EQ(answer, slice(buffer, 0, c.length));
        EXPECT_EQ(std::vector<uint8_t>(4, 0x33), slice(buffer, c.length, 4));
        auto reads = tcp_.calls("Recebe_Dados");
        ASSERT_EQ(2u, reads.size());
        EXPECT_EQ((std::vector<int32_t>{4, c.command, int32_t(c.length)}), std::vector<int32_t>(reads[1].ints, reads[1].ints + 3));
        EXPECT_TRUE(sent().empty());
        api().FecharPortaComunicacao();
    }
    // The library's own record and table are not changed.
    std::vector<uint8_t> record(50, 0xCC), fresh(50, 0);
    fresh[9] = fresh[10] = 0xFF;
    fresh[14] = 14;
    EXPECT_EQ(0, api().GetBufferConfigDLL(0, record.data()));
    EXPECT_EQ(fresh, record);
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    EXPECT_EQ(0, api().EnviarMensagensOffLine(1));
    EXPECT_EQ(reset_table(), sent().back().data);
    EXPECT_EQ(255, api().GetBufferMsgDLL(1, 0));  // it reads nothing: always 255
}

}  // namespace
