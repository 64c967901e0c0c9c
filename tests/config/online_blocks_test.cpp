// The blocks of the automatic change and of the function keys through the
// exports (what a send does to them, command and length included:
// PreparedBlocks in offline_messages_test.cpp).
// - Change events (command 134, 77 bytes): presentation messages, change
//   times with their partial store, the arrow-key option.
// - Online/offline change (command 114, 72 bytes): each setter's bytes, both
//   entry-form encodings, refusals that change nothing, the standard messages.
// - Function keys (command 128, 10 bytes; emptied by every send): setter
//   bits, the score bit, refusals.
#include <functional>
#include <map>

#include "display_expect.h"
#include "sdk_test.h"

namespace {

using displayexpect::padded;
using displayexpect::second_line;
using displayexpect::slice;

class ChangeBlocks : public testsupport::SdkTest {
protected:
    std::vector<uint8_t> last_sent() {
        auto s = sent();
        return s.empty() ? std::vector<uint8_t>() : s.back().data;
    }
    std::vector<uint8_t> events() {
        EXPECT_EQ(0, api().EnviarBufferEventosMudancaAuto(2));
        return last_sent();
    }
    std::vector<uint8_t> online_offline() {
        EXPECT_EQ(0, api().EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(11));
        return last_sent();
    }
    std::vector<uint8_t> functions() {
        EXPECT_EQ(0, api().EnviarConfiguracoesFuncoes(4));
        return last_sent();
    }
};

TEST_F(ChangeBlocks, EventsBlockStartsBlankAndSettersWriteTheirBytes) {
    open_tcp_lib();
    std::vector<uint8_t> blank(77, 0xFF);  // two blank messages, no times, arrow keys off
    std::fill(blank.begin(), blank.begin() + 64, ' ');
    blank[76] = 0;
    EXPECT_EQ(blank, events());
    ASSERT_EQ(0, api().DefinirMensagemApresentacaoEntrada(1, "Entrada"));
    ASSERT_EQ(0, api().DefinirMensagemApresentacaoSaida(0, "Saida pela porta principal, obrigado"));
    ASSERT_EQ(0, api().InserirHorarioMudancaEntrada(7, 30, 12, 0, 255, 255));
    ASSERT_EQ(0, api().InserirHorarioMudancaSaida(23, 59, 0, 0, 18, 45));
    ASSERT_EQ(0, api().HabilitaMudancaEventoSeta(5));
    std::vector<uint8_t> expected = second_line("Entrada");
    auto exit = padded("Saida pela porta principal, obri");
    expected.insert(expected.end(), exit.begin(), exit.end());
    for (uint8_t b : {7, 30, 12, 0, 255, 255, 23, 59, 0, 0, 18, 45, 1}) expected.push_back(b);
    EXPECT_EQ(expected, events());
    ASSERT_EQ(0, api().HabilitaMudancaEventoSeta(0));
    EXPECT_EQ(0, events()[76]);
}

TEST_F(ChangeBlocks, EventsTimesAreCheckedHoursFirstAndStoredUntilTheFirstBadOne) {
    open_tcp_lib();
    const std::vector<uint8_t> kOld = {1, 2, 3, 4, 5, 6};
    struct Case {
        uint8_t v[6];  // hour1, minute1, hour2, minute2, hour3, minute3
        uint8_t code;
        std::vector<uint8_t> stored;
    } cases[] = {
        {{8, 0, 255, 255, 25, 0}, 128, {8, 2, 255, 4, 5, 6}},     // third hour bad: minutes untouched
        {{24, 0, 0, 0, 0, 0}, 128, {1, 2, 3, 4, 5, 6}},           // first hour bad: nothing stored
        {{10, 60, 11, 0, 12, 0}, 129, {10, 2, 11, 4, 12, 6}},     // all hours stored, first minute bad
        {{10, 15, 11, 255, 12, 99}, 129, {10, 15, 11, 255, 12, 6}},
        {{0, 0, 23, 59, 255, 255}, 0, {0, 0, 23, 59, 255, 255}},
        {{254, 0, 0, 0, 0, 0}, 128, {1, 2, 3, 4, 5, 6}},
    };
    for (bool entry : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << (entry ? "entry " : "exit ") << int(c.v[0]) << "," << int(c.v[1]));
            const int offset = entry ? 64 : 70;
            auto set = entry ? api().InserirHorarioMudancaEntrada : api().InserirHorarioMudancaSaida;
            ASSERT_EQ(0, set(kOld[0], kOld[1], kOld[2], kOld[3], kOld[4], kOld[5]));
            const auto before = events();
            EXPECT_EQ(c.code, set(c.v[0], c.v[1], c.v[2], c.v[3], c.v[4], c.v[5]));
            auto expected = before;
            std::copy(c.stored.begin(), c.stored.end(), expected.begin() + offset);
            EXPECT_EQ(expected, events());
        }
    }
}

TEST_F(ChangeBlocks, OnlineOfflineSettersWriteTheirBytesAndRefusalsChangeNothing) {
    open_tcp_lib();
    struct Case {
        const char* what;
        std::function<uint8_t(VarandaApi&)> call;
        uint8_t code;
        std::map<int, uint8_t> changes;
    } cases[] = {
        {"mode 2 time 50", [](VarandaApi& a) { return a.HabilitarMudancaOnLineOffLine(2, 50); }, 0, {{0, 2}, {1, 50}}},
        {"mode 3 stored as 0", [](VarandaApi& a) { return a.HabilitarMudancaOnLineOffLine(3, 10); }, 0,
         {{0, 0}, {1, 10}}},
        {"mode 1 time 51", [](VarandaApi& a) { return a.HabilitarMudancaOnLineOffLine(1, 51); }, 128, {}},
        {"offline 1,4,3,9", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(1, 4, 3, 9); }, 0, {{2, 0xB9}}},
        {"offline 0,0,0,0", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(0, 0, 0, 0); }, 0, {{2, 0x80}}},
        {"offline 7,2,4,0", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(7, 2, 4, 0); }, 0, {{2, 0xC5}}},
        {"offline second 5", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(1, 5, 0, 0); }, 128, {}},
        {"offline third 5", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(1, 0, 5, 0); }, 129, {}},
        {"bio 1,4,4,1,1", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(1, 4, 4, 1, 1); }, 0,
         {{2, 0x79}}},
        {"bio 0,2,1,0,0", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(0, 2, 1, 0, 0); }, 0,
         {{2, 0x46}}},
        {"bio 0,0,3,0,0", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(0, 0, 3, 0, 0); }, 0,
         {{2, 0x42}}},
        {"bio 1,4,0,0,9", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(1, 4, 0, 0, 9); }, 0,
         {{2, 0x69}}},
        {"bio second 5", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(0, 5, 0, 0, 0); }, 128,
         {}},
        {"bio third 5", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(0, 4, 5, 0, 0); }, 129,
         {}},
        {"online forms", [](VarandaApi& a) { return a.DefinirEntradasMudancaOnLine(0xE7); }, 0, {{5, 0xE7}}},
        {"keypad limits", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(20, 2, 50, 32); }, 0,
         {{3, 20}, {4, 2}, {6, 50}, {7, 32}}},
        {"keypad 21", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(21, 0, 0, 0); }, 128, {}},
        {"keypad 3", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(0, 3, 0, 0); }, 129, {}},
        {"keypad 51", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(1, 1, 51, 1); }, 130, {}},
        {"keypad 33", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(1, 1, 1, 33); }, 131, {}},
        {"keypad small", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(1, 0, 9, 4); }, 0,
         {{3, 1}, {4, 0}, {6, 9}, {7, 4}}},
    };
    std::vector<uint8_t> expected(72, ' ');  // settings zero, both messages blank
    std::fill(expected.begin(), expected.begin() + 8, 0);
    EXPECT_EQ(expected, online_offline());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.code, c.call(api()));
        for (const auto& [offset, value] : c.changes) expected[offset] = value;
        EXPECT_EQ(expected, online_offline());
    }
}

TEST_F(ChangeBlocks, OnlineOfflineStandardMessagesFillTheirHalves) {
    open_tcp_lib();
    const std::string twenty = "ABCDEFGHIJKLMNOPQRST";
    ASSERT_EQ(0, api().DefinirMensagemPadraoMudancaOnLine(1, twenty.c_str()));
    ASSERT_EQ(0, api().DefinirMensagemPadraoMudancaOffLine(0, "Modo offline ativo - use o cartao"));
    auto b = online_offline();
    EXPECT_EQ(std::vector<uint8_t>(8, 0), slice(b, 0, 8));
    EXPECT_EQ(second_line("ABCDEFGHIJKLMNOP"), slice(b, 8, 32));
    EXPECT_EQ(padded("Modo offline ativo - use o carta"), slice(b, 40, 32));
    ASSERT_EQ(0, api().DefinirMensagemPadraoMudancaOnLine(0, nullptr));
    auto again = online_offline();
    EXPECT_EQ(padded(""), slice(again, 8, 32));
    EXPECT_EQ(slice(b, 40, 32), slice(again, 40, 32));
}

TEST_F(ChangeBlocks, FunctionKeySettersBuildEachFunctionsByte) {
    open_tcp_lib();
    using Call = std::function<uint8_t(VarandaApi&)>;
    struct Step {
        Call call;
        uint8_t code;
    };
    const Call define_3 = [](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(3, 2, 1, 0, 1, 0); };
    const Call score_3 = [](VarandaApi& a) { return a.HabilitarScoreFuncoes(3, 1); };
    // Each case starts from the empty block that the previous send left.
    struct Case {
        const char* what;
        std::vector<Step> steps;
        std::map<int, uint8_t> block;  // the non-zero bytes sent afterwards
    } cases[] = {
        {"mode 2, options 1 and 3", {{define_3, 0}}, {{3, 0x16}}},
        {"then score", {{define_3, 0}, {score_3, 0}}, {{3, 0x56}}},
        {"score twice", {{define_3, 0}, {score_3, 0}, {score_3, 0}}, {{3, 0x56}}},
        {"defining again clears the score", {{define_3, 0}, {score_3, 0}, {define_3, 0}}, {{3, 0x16}}},
        {"score first is lost", {{score_3, 0}, {define_3, 0}}, {{3, 0x16}}},
        {"all options, score on and off",
         {{[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(0, 3, 9, 9, 9, 9); }, 0},
          {[](VarandaApi& a) { return a.HabilitarScoreFuncoes(0, 7); }, 0},
          {[](VarandaApi& a) { return a.HabilitarScoreFuncoes(0, 0); }, 0}},
         {{0, 0x3F}}},
        {"score alone and mode with option 4",
         {{[](VarandaApi& a) { return a.HabilitarScoreFuncoes(9, 1); }, 0},
          {[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(8, 1, 0, 0, 0, 200); }, 0}},
         {{8, 0x21}, {9, 0x40}}},
        {"refusals change nothing",
         {{define_3, 0},
          {[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(10, 0, 0, 0, 0, 0); }, 128},
          {[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(3, 4, 1, 1, 1, 1); }, 129},
          {[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(10, 4, 0, 0, 0, 0); }, 128},
          {[](VarandaApi& a) { return a.HabilitarScoreFuncoes(10, 1); }, 128},
          {[](VarandaApi& a) { return a.HabilitarScoreFuncoes(255, 0); }, 128}},
         {{3, 0x16}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Step& step : c.steps) EXPECT_EQ(step.code, step.call(api()));
        std::vector<uint8_t> expected(10, 0);
        for (const auto& [offset, value] : c.block) expected[offset] = value;
        EXPECT_EQ(expected, functions());
    }
}

}  // namespace
