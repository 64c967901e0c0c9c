// The SDK over the other connection types against corvo-sim: 2 (the TCP COM
// component, as the default and when chosen) everywhere; on Linux also 0
// (Corvo2K on corvo-sim's pseudo-terminal), 3 (the same line behind the
// emulated modem) and 4 (the serial COM component on the pseudo-terminal).
#include <chrono>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>

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
        std::set<std::string> seen;
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

// --- type 2: the TCP COM component -----------------------------------------------------

TEST_F(Lines, TcpComponentIsTheDefaultConnection) {
    // No DefinirTipoConexao: the first open creates the TCP COM transport.
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(port_));
    EXPECT_EQ(0, api_.Ping(1));
    EXPECT_EQ(0, api_.AcionarRele2(6));
    EXPECT_EQ(0, dump(1)["pings"].num());  // the TCP COM transport answers a ping itself
    EXPECT_EQ(1, dump(6)["relays"][1]["pulses"].num());
}

TEST_F(Lines, TcpComponentChosenSendsReceivesAndCollects) {
    ASSERT_EQ(0, api_.DefinirTipoConexao(2));
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(port_));
    sim("punches 3 40");
    sim("refuse 3 4");
    struct Case {
        const char* name;
        u8 (*call)(VarandaApi&);
        u8 code;
    } cases[] = {
        {"ping", [](VarandaApi& a) { return a.Ping(3); }, 0},
        {"relay", [](VarandaApi& a) { return a.AcionarRele1(3); }, 0},
        {"refused by the terminal", [](VarandaApi& a) { return a.ManterRele1Acionado(3); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.code, c.call(api_));
    }
    int32_t stored = -1;
    ASSERT_EQ(0, api_.ReceberQuantidadeBilhetes(3, &stored));
    EXPECT_EQ(40, stored);
    EXPECT_EQ(40, collect_all(3, 40));
    const auto s = dump(3);
    EXPECT_EQ(1, s["relays"][0]["pulses"].num());
    EXPECT_FALSE(s["relays"][0]["held"].boolean());
    EXPECT_EQ(0, s["punches"]["stored"].num());
    EXPECT_EQ(40, s["punches"]["delivered"].num());
    api_.FecharPortaComunicacao();
    EXPECT_EQ(2, api_.Ping(3));
    EXPECT_EQ(0, api_.AbrirPortaComunicacao(port_));  // opens again after a close
    EXPECT_EQ(0, api_.Ping(3));
}

TEST_F(Lines, TcpComponentOnAPortWithoutTerminalsIsRefused) {
    ASSERT_EQ(0, api_.DefinirTipoConexao(2));
    EXPECT_EQ(1, api_.AbrirPortaComunicacao(1));
    EXPECT_EQ(2, api_.Ping(1));
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
    e2e::JsonValue modem() { return e2e::JsonValue::parse(sim_.command("modem")); }
};

TEST_F(SerialLines, Type0ReachesTheTerminalsThroughThePseudoTerminal) {
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

TEST_F(SerialLines, DevicesThatCannotBeOpenedAreRefused) {
    struct Case {
        const char* name;
        u8 type;
        int32_t port;
    } cases[] = {
        {"missing device", 0, 8},
        {"not a serial line", 0, 9},
        {"port without a device", 0, 300},
        {"serial COM, missing device", 4, 8},
        {"serial COM, not a serial line", 4, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(0, api_.DefinirTipoConexao(c.type));
        EXPECT_EQ(1, api_.AbrirPortaComunicacao(c.port));
        EXPECT_EQ(2, api_.Ping(1));
    }
}

TEST_F(SerialLines, ModemVerdictsThenAnExchange) {
    struct Case {
        const char* verdict;
        const char* init;
        int32_t tone;
        int32_t result;
        char method;
    } cases[] = {
        {"no-dialtone", "AT&F", 5, 6, 'T'},  // verbal result codes
        {"connect", "ATE0V0", 0, 1, 'P'},
    };
    ASSERT_EQ(0, api_.DefinirTipoConexao(3));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.verdict) + " " + c.init);
        sim(std::string("modem ") + c.verdict);
        sim("reset");
        EXPECT_EQ(c.result, api_.ConectarModem(kPort, c.init, c.tone, "5551234", 2));
        const auto m = modem();
        EXPECT_EQ("5551234", m["dialed"].str());
        EXPECT_EQ(std::string(1, c.method), m["method"].str());
        EXPECT_EQ(c.result == 1, m["data_mode"].boolean());
        // Pinged only once the modem connected; then the line carries exchanges.
        EXPECT_EQ(c.result == 1 ? 1 : 0, dump(2)["pings"].num());
        if (c.result == 1) {
            EXPECT_EQ(0, api_.AcionarRele2(2));
            EXPECT_EQ(1, dump(2)["relays"][1]["pulses"].num());
        }
    }
}

TEST_F(SerialLines, ModemTextsAndResultCodes) {
    sim("modem busy");
    ASSERT_EQ(0, api_.DefinirTipoConexao(3));
    EXPECT_EQ(-1, api_.LerByteModem());  // not open
    EXPECT_EQ(2, api_.EnviarStringInicializacaoModem("AT"));
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(kPort));
    EXPECT_EQ(-1, api_.LerByteModem());  // nothing has arrived
    struct Case {
        const char* text;
        int32_t code;
    } cases[] = {
        {"ATV0", 0}, {"ATDT123", 7},  // the modem's answers are corvo-sim's modem_test
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(0, api_.EnviarStringInicializacaoModem(c.text));
        int32_t got = -1;
        for (int i = 0; i < 2000 && got == -1; ++i) {
            got = api_.LerByteModem();
            if (got == -1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        EXPECT_EQ(c.code, got);
        EXPECT_EQ(-1, api_.LerByteModem());  // one code per answer
    }
}

TEST_F(SerialLines, Type4SerialComponentSpeaksForTheLinesTerminal) {
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
