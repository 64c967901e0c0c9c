// The change-event block through the exports (command 134): presentation
// messages, change times with their partial store, the arrow-key option.
#include "display_expect.h"
#include "sdk_test.h"

namespace {

using displayexpect::padded;
using displayexpect::second_line;
using displayexpect::slice;

class ChangeEvents : public testsupport::SdkTest {
protected:
    std::vector<uint8_t> send_block() {
        EXPECT_EQ(0, api().EnviarBufferEventosMudancaAuto(2));
        auto s = sent();
        return s.empty() ? std::vector<uint8_t>() : s.back().data;
    }
};

TEST_F(ChangeEvents, StartsBlankWithNoTimesAndIsSentWith134) {
    open_tcp_lib();
    std::vector<uint8_t> expected(77, 0xFF);
    std::fill(expected.begin(), expected.begin() + 64, ' ');
    expected[76] = 0;
    EXPECT_EQ(expected, send_block());
    auto call = tcp_.calls("Envia_Dados")[0];
    EXPECT_EQ(2, call.ints[0]);
    EXPECT_EQ(134, call.ints[1]);
    EXPECT_EQ(77, call.ints[2]);
}

TEST_F(ChangeEvents, SettersWriteTheirBytesAndTheBlockIsKeptAfterSending) {
    open_tcp_lib();
    ASSERT_EQ(0, api().DefinirMensagemApresentacaoEntrada(1, "Entrada"));
    ASSERT_EQ(0, api().DefinirMensagemApresentacaoSaida(0, "Saida pela porta principal, obrigado"));
    ASSERT_EQ(0, api().InserirHorarioMudancaEntrada(7, 30, 12, 0, 255, 255));
    ASSERT_EQ(0, api().InserirHorarioMudancaSaida(23, 59, 0, 0, 18, 45));
    ASSERT_EQ(0, api().HabilitaMudancaEventoSeta(5));
    std::vector<uint8_t> expected = second_line("Entrada");
    auto exit = padded("Saida pela porta principal, obri");
    expected.insert(expected.end(), exit.begin(), exit.end());
    for (uint8_t b : {7, 30, 12, 0, 255, 255, 23, 59, 0, 0, 18, 45, 1}) expected.push_back(b);
    EXPECT_EQ(expected, send_block());
    EXPECT_EQ(expected, send_block());  // sending does not consume the block
    ASSERT_EQ(0, api().HabilitaMudancaEventoSeta(0));
    EXPECT_EQ(0, send_block()[76]);
}

TEST_F(ChangeEvents, TimesAreCheckedHoursFirstAndStoredUntilTheFirstBadOne) {
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
            const auto before = send_block();
            EXPECT_EQ(c.code, set(c.v[0], c.v[1], c.v[2], c.v[3], c.v[4], c.v[5]));
            auto expected = before;
            std::copy(c.stored.begin(), c.stored.end(), expected.begin() + offset);
            EXPECT_EQ(expected, send_block());
        }
    }
}

}  // namespace
