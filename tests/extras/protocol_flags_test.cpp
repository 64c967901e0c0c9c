// The protocol option setters: start values, what they store and return, and
// that each flag reaches the operation that reads it.
#include "sdk_test.h"

namespace {

class ProtocolFlags : public testsupport::SdkTest {};

using Setter = int32_t(VARANDA_CALL*)(int32_t, int32_t);

TEST_F(ProtocolFlags, SettersStoreZeroOrOneAndTalkToNoTerminal) {
    open_tcp_lib();
    const VarandaApi& a = api();
    for (Setter set : {a.SetarCorvoOld, a.Utilizar215, a.UtilizarRelogioSegundos, a.UtilizarCmdCurtoCatraca}) {
        struct Step {
            int32_t first, second, result;
        } steps[] = {{0, 5, 1}, {7, 0, 0}, {1, -1, 1}, {0, 0x10000, 1}, {-3, 0, 0}};
        for (const Step& st : steps) EXPECT_EQ(st.result, set(st.first, st.second));
    }
    EXPECT_TRUE(tcp_.calls().empty());
}

TEST_F(ProtocolFlags, StartValuesAndTheirEffects) {
    open_tcp_lib();
    // Start: seconds on (command 117), short turnstile on (24), 215 on,
    // old terminal off (three sensor bytes).
    EXPECT_EQ(0, api().EnviarRelogio(1, 1, 1, 26, 0, 0, 0));
    EXPECT_EQ(0, api().LiberarCatracaEntrada(1));
    uint8_t b[16];
    char card[16];
    tcp_.queue_answer({0});
    EXPECT_EQ(128, api().ReceberDadosOnLine2(1, &b[0], &b[1], card, &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]));
    tcp_.queue_answer({1, 2, 3});
    EXPECT_EQ(0, api().LerSensoresCorvo(1, &b[0], &b[1], &b[2]));
    auto calls = tcp_.calls();
    ASSERT_EQ(4u, calls.size());
    EXPECT_EQ(117, calls[0].ints[1]);
    EXPECT_EQ(24, calls[1].ints[1]);
    EXPECT_EQ(215, calls[2].ints[1]);
    EXPECT_EQ(3, calls[3].ints[2]);

    // Every flag flipped.
    EXPECT_EQ(0, api().UtilizarRelogioSegundos(0, 0));
    EXPECT_EQ(0, api().UtilizarCmdCurtoCatraca(0, 0));
    EXPECT_EQ(0, api().Utilizar215(0, 0));
    EXPECT_EQ(1, api().SetarCorvoOld(0, 1));
    tcp_.reset();
    EXPECT_EQ(0, api().EnviarRelogio(1, 1, 1, 26, 0, 0, 0));
    EXPECT_EQ(0, api().LiberarCatracaEntrada(1));
    tcp_.queue_answer(std::vector<uint8_t>(22, 0xFF));
    EXPECT_EQ(0, api().ReceberDadosOnLine2(1, &b[0], &b[1], card, &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]));
    tcp_.queue_answer({1, 2, 3});
    EXPECT_EQ(0, api().LerSensoresCorvo(1, &b[0], &b[1], &b[2]));
    calls = tcp_.calls();
    ASSERT_EQ(5u, calls.size());
    EXPECT_EQ(101, calls[0].ints[1]);
    EXPECT_EQ(13, calls[1].ints[1]);
    EXPECT_EQ(107, calls[2].ints[1]);
    EXPECT_EQ(207, calls[3].ints[1]);
    EXPECT_EQ(208, calls[4].ints[1]);
    EXPECT_EQ(1, calls[4].ints[2]);
}

}  // namespace
