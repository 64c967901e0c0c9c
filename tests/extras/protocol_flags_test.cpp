// The protocol option setters: what they store and return, and the start
// values as the operations that read them show.
#include "sdk_test.h"

namespace {

class ProtocolFlags : public testsupport::SdkTest {};

using Setter = int32_t(VARANDA_CALL*)(int32_t, int32_t);

TEST_F(ProtocolFlags, SettersStoreZeroOrOneAndTalkToNoTerminal) {
    open_tcp_lib();
    const VarandaApi& a = api();
    for (Setter set : {a.SetarCorvoOld, a.Utilizar215, a.UtilizarRelogioSegundos, a.UtilizarCmdCurtoCatraca}) {
        const int32_t steps[][3] = {{0, 5, 1}, {7, 0, 0}, {1, -1, 1}, {-3, 0, 0}, {0, 0x10000, 1}};
        for (const auto& st : steps) EXPECT_EQ(st[2], set(st[0], st[1]));
    }
    EXPECT_TRUE(tcp_.calls().empty());
}

TEST_F(ProtocolFlags, StartValues) {
    // 215 on, short turnstile on, old terminal off (seconds on: see the clock tests).
    open_tcp_lib();
    uint8_t b[8];
    char card[16];
    tcp_.queue_answer({0});
    EXPECT_EQ(128, api().ReceberDadosOnLine2(1, &b[0], &b[1], card, &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]));
    EXPECT_EQ(0, api().LiberarCatracaEntrada(1));
    tcp_.queue_answer({1, 2, 3});
    EXPECT_EQ(0, api().LerSensoresCorvo(1, &b[0], &b[1], &b[2]));
    auto calls = tcp_.calls();
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ(215, calls[0].ints[1]);
    EXPECT_EQ(24, calls[1].ints[1]);
    EXPECT_EQ(3, calls[2].ints[2]);
}

}  // namespace
