// The SDK over the other connection types against corvo-sim: 2 (the TCP COM
// component, the default) everywhere; on Linux also 0
// (Corvo2K on corvo-sim's pseudo-terminal), 3 (the same line behind the
// emulated modem) and 4 (the serial COM component on the pseudo-terminal).
#include <cstdlib>
#include <string>

#include "support/backend.h"
#include "support/sdk_fixture.h"

namespace {

using u8 = uint8_t;

class Lines : public e2e::SdkTest {
protected:
    void SetUp() override {
        e2e::set_env("CORVO_LINK_TIMEOUT_MS", "500");
        e2e::set_env("CORVO_LINK_RETRIES", "1");
        SdkTest::SetUp();
    }
    // Collects every punch of `terminal`; the number collected.
    int collect_all(int32_t terminal, int most) {
        int collected = 0;
        for (int calls = 0; calls < most + 5; ++calls) {
            u8 b[6];
            char card[17] = {};
            const u8 r = api_.ColetarBilhete(terminal, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], card);
            if (r != 0) {
                EXPECT_EQ(1, r);  // nothing left
                break;
            }
            ++collected;
        }
        return collected;
    }
};

// Type 2, the TCP COM component, is also the default: no DefinirTipoConexao.
TEST_F(Lines, TcpComponentIsTheDefaultAndCarriesEveryExchange) {
    EXPECT_EQ(1, api_.AbrirPortaComunicacao(1));  // no terminals there
    EXPECT_EQ(2, api_.Ping(1));
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(port_));
    sim("punches 3 40");
    sim("refuse 3 4");
    EXPECT_EQ(0, api_.Ping(3));
    EXPECT_EQ(0, api_.AcionarRele1(3));
    EXPECT_EQ(1, api_.ManterRele1Acionado(3));  // refused by the terminal
    int32_t stored = -1;
    ASSERT_EQ(0, api_.ReceberQuantidadeBilhetes(3, &stored));
    EXPECT_EQ(40, stored);
    EXPECT_EQ(40, collect_all(3, 40));
    const auto s = dump(3);
    EXPECT_EQ(0, s["pings"].num());  // the TCP COM transport answers a ping itself
    EXPECT_EQ(1, s["relays"][0]["pulses"].num());
    EXPECT_FALSE(s["relays"][0]["held"].boolean());
    EXPECT_EQ(0, s["punches"]["stored"].num());
    EXPECT_EQ(40, s["punches"]["delivered"].num());
    api_.FecharPortaComunicacao();
    EXPECT_EQ(2, api_.Ping(3));
    EXPECT_EQ(0, api_.AbrirPortaComunicacao(port_));  // opens again after a close
    EXPECT_EQ(0, api_.Ping(3));
}

#if !defined(_WIN32)
// --- the serial line: corvo-sim's pseudo-terminal ---------------------------------------

constexpr int32_t kPort = 7;

class SerialLines : public Lines {
protected:
    void SetUp() override {
        Lines::SetUp();
        const char* pty = std::getenv("CORVO_SIM_PTY");
        if (pty == nullptr || *pty == '\0') GTEST_SKIP() << "corvo-sim runs without --pty";
        e2e::set_env("CORVO_SERIAL_DEVICE_7", pty);
        e2e::set_env("CORVO_SERIAL_DEVICE_8", "/nonexistent/serial");
        e2e::set_env("CORVO_SERIAL_DEVICE_9", "/dev/null");
        sim("modem off");
    }
    // A missing device and one that is no serial line fail the open.
    void expect_unopenable(u8 type) {
        ASSERT_EQ(0, api_.DefinirTipoConexao(type));
        for (int32_t port : {8, 9}) {
            EXPECT_EQ(1, api_.AbrirPortaComunicacao(port)) << port;
            EXPECT_EQ(2, api_.Ping(1));
        }
    }
};

TEST_F(SerialLines, Type0ReachesTheTerminalsThroughThePseudoTerminal) {
    expect_unopenable(0);
    ASSERT_EQ(0, api_.DefinirTipoConexao(0));
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(kPort));
    EXPECT_EQ(0, api_.Ping(1));
    EXPECT_EQ(0, api_.AcionarRele1(4));  // one line, many terminals
    sim("punches 4 25");
    EXPECT_EQ(25, collect_all(4, 25));
    api_.FecharPortaComunicacao();
    EXPECT_EQ(2, api_.Ping(1));
    const auto s = dump(4);
    EXPECT_EQ(1, s["relays"][0]["pulses"].num());
    EXPECT_EQ(25, s["punches"]["delivered"].num());
    EXPECT_EQ(1, dump(1)["pings"].num());
}

// The modem's other verdicts and texts: corvo-sim's modem_test, the serial
// library's ModemReply and the SDK's ModemDial against the fake library.
TEST_F(SerialLines, ModemConnectsThenCarriesAnExchange) {
    sim("modem connect");
    ASSERT_EQ(0, api_.DefinirTipoConexao(3));
    EXPECT_EQ(1, api_.ConectarModem(kPort, "ATE0V0", 0, "5551234", 2));
    const auto m = e2e::JsonValue::parse(sim_.command("modem"));
    EXPECT_EQ("5551234", m["dialed"].str());
    EXPECT_EQ("P", m["method"].str());
    EXPECT_TRUE(m["data_mode"].boolean());
    EXPECT_EQ(1, dump(2)["pings"].num());
    EXPECT_EQ(0, api_.AcionarRele2(2));
    EXPECT_EQ(1, dump(2)["relays"][1]["pulses"].num());
}

TEST_F(SerialLines, Type4SerialComponentSpeaksForTheLinesTerminal) {
    expect_unopenable(4);
    ASSERT_EQ(0, api_.DefinirTipoConexao(4));
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(kPort));
    EXPECT_EQ(0, api_.Ping(5));  // the component names no terminal: terminal 1 answers
    EXPECT_EQ(0, api_.AcionarRele1(5));
    sim("punches 1 12");
    EXPECT_EQ(12, collect_all(5, 12));
    api_.FecharPortaComunicacao();
    const auto s = dump(1);
    EXPECT_EQ(1, s["pings"].num());
    EXPECT_EQ(1, s["relays"][0]["pulses"].num());
    EXPECT_EQ(12, s["punches"]["delivered"].num());
    EXPECT_EQ(0, dump(5)["pings"].num());
}

#endif

}  // namespace
