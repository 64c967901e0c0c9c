// The TCP back-end against corvo-sim: result values, many terminals on one
// connection, buffers written to exactly `length` bytes, and failures that
// come back as codes within the time-out. (Each punch exactly once over a
// faulty line: link/test's Exchange and BadLine.)
#include <cstring>

#include "support/backend.h"
#include "support/listener.h"
#include "support/sim_test.h"

namespace {

using e2e::TcpBackend;

class Backend : public e2e::SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        e2e::set_env("CORVO_LINK_TIMEOUT_MS", "300");
        e2e::set_env("CORVO_LINK_RETRIES", "1");
        ASSERT_TRUE(b_.load());
        b_.FinalizaCom();
    }
    void TearDown() override {
        if (b_.FinalizaCom) b_.FinalizaCom();
    }
    void open() { ASSERT_NE(0, b_.InicializaCom(port_, 9600)); }
    TcpBackend b_;
};

TEST_F(Backend, OpenAnswersNonZeroOnlyWhenConnected) {
    struct Case {
        const char* name;
        int32_t port;
        bool opens;
    } cases[] = {
        {"emulator", port_, true},
        {"nothing listening", e2e::SilentPeer::unused_port(), false},
        {"port 0", 0, false},
        {"port above 65535", 70000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.opens, b_.InicializaCom(c.port, 9600) != 0);
        EXPECT_EQ(c.opens ? 1 : 0, b_.Conectado());
        b_.FinalizaCom();
    }
}

TEST_F(Backend, SendResults) {
    open();
    sim("refuse 1 4");
    const uint8_t fifty[51] = {0};
    struct Case {
        const char* name;
        int32_t terminal;
        const uint8_t* data;
        int32_t command;
        int32_t length;
        int32_t result;
    } cases[] = {
        {"ping", 1, nullptr, 10, 0, 31},
        {"ping, terminal above 16 bits, same connection", 65536, nullptr, 10, 0, 31},
        {"configuration", 1, fifty, 100, 50, 31},
        {"configuration one byte long", 1, fifty, 100, 51, 21},
        {"refused by this terminal's model", 1, nullptr, 4, 0, 21},
        {"accepted by another terminal", 2, nullptr, 4, 0, 31},
        {"negative length", 1, fifty, 100, -1, 21},
        {"no data for a length", 1, nullptr, 100, 50, 21},
        {"command above 255", 1, nullptr, 266, 0, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, b_.Envia_Dados(c.terminal, c.data, c.command, c.length, 0));
    }
    for (int32_t t : {1, 65536}) EXPECT_EQ(1, dump(t)["pings"].num()) << t;
    EXPECT_TRUE(dump(2)["relays"][0]["held"].boolean());
    EXPECT_FALSE(dump(1)["relays"][0]["held"].boolean());
}

TEST_F(Backend, ReceiveWritesExactlyTheLengthOrNothing) {
    open();
    struct Case {
        const char* name;
        int32_t command;
        int32_t length;
        int32_t result;
    } cases[] = {
        {"configuration", 200, 50, 40},
        {"configuration, longer", 200, 51, 21},
        {"no event waiting", 207, 22, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        uint8_t buf[80];
        std::memset(buf, 0xA5, sizeof buf);
        EXPECT_EQ(c.result, b_.Recebe_Dados(1, buf, c.command, c.length, 0));
        const int32_t written = c.result == 40 ? c.length : 0;
        for (int i = written; i < 80; ++i) ASSERT_EQ(0xA5, buf[i]) << "byte " << i;
    }
}

TEST_F(Backend, AcknowledgementByResponseByte) {
    open();
    sim("card 1 123456");  // offline: a punch
    uint8_t record[10];
    ASSERT_EQ(40, b_.Recebe_Dados_E_Nao_Responde(1, record, 204, 10, 0));
    EXPECT_EQ(1, dump(1)["punches"]["stored"].num());
    EXPECT_EQ(31, b_.Envia_Resposta(1, 6));
    // The response has no answer: an exchange with another terminal makes sure it arrived.
    ASSERT_EQ(31, b_.Envia_Dados(2, nullptr, 10, 0, 0));
    EXPECT_EQ(0, dump(1)["punches"]["stored"].num());
    EXPECT_EQ(123456 & 0xFFFF, record[6] | (record[7] << 8));
}

TEST_F(Backend, FailuresComeBackAsCodes) {
    {
        e2e::SilentPeer closing;
        ASSERT_NE(0, b_.InicializaCom(closing.port(), 9600));
        closing.hang_up();
        EXPECT_EQ(21, b_.Envia_Dados(1, nullptr, 10, 0, 0));
        EXPECT_EQ(0, b_.Conectado());
        EXPECT_EQ(21, b_.Envia_Dados(1, nullptr, 10, 0, 0));
        b_.FinalizaCom();
    }
    {
        e2e::SilentPeer mute;
        ASSERT_NE(0, b_.InicializaCom(mute.port(), 9600));
        uint8_t buf[4] = {1, 2, 3, 4};
        EXPECT_EQ(21, b_.Recebe_Dados(1, buf, 235, 2, 0));
        EXPECT_EQ(1, buf[0]);
        EXPECT_EQ(21, b_.Envia_Dados(1, nullptr, 10, 0, 0));
        b_.FinalizaCom();
    }
    EXPECT_EQ(21, b_.Envia_Dados(1, nullptr, 10, 0, 0));  // closed
    EXPECT_EQ(21, b_.Envia_Resposta(1, 6));
    open();
    EXPECT_EQ(31, b_.Envia_Dados(1, nullptr, 10, 0, 0));  // and open again
}

}  // namespace
