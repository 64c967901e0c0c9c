// ConectarModem through the exports, against the fake serial library with
// scripted modem bytes. (The 60-second wait without an answer is covered by
// modem_dial_unit_test.cpp with a clock the test drives.)
#include <string>

#include "sdk_test.h"

namespace {

using testsupport::FakeCall;

class ModemDial : public testsupport::SdkTest {
protected:
    void SetUp() override {
        SdkTest::SetUp();
        ASSERT_TRUE(serial_.present());
        ASSERT_EQ(0, api().DefinirTipoConexao(3));
    }

    // The entries the serial library saw, in order, leaving out Le_Modem.
    std::vector<std::string> entries_but_reads() const {
        std::vector<std::string> out;
        for (const FakeCall& c : serial_.calls()) {
            if (c.entry != "Le_Modem") out.push_back(c.entry);
        }
        return out;
    }
    std::vector<std::string> modem_texts() const {
        std::vector<std::string> out;
        for (const FakeCall& c : serial_.calls("Modem_Str")) out.push_back(c.text());
        return out;
    }
};

TEST_F(ModemDial, VerdictsAndPings) {
    struct Case {
        const char* what;
        std::vector<int32_t> modem;  // Le_Modem results in order
        std::vector<int32_t> sends;  // Envia_Dados results of the pings
        int32_t result;
        size_t pings;
    } cases[] = {
        {"busy after two empty reads", {-1, -1, 7}, {}, 7, 0},
        {"connect, first ping answers", {1}, {31}, 1, 1},
        {"connect code 0 counts as a connection", {0}, {31}, 1, 1},
        {"third ping answers", {10}, {21, 0, 31}, 1, 3},
        {"no ping answers", {5}, {21, 21, 21}, -1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        serial_.reset();
        for (int32_t v : c.modem) serial_.queue_result("Le_Modem", v);
        for (int32_t v : c.sends) serial_.queue_result("Envia_Dados", v);
        EXPECT_EQ(c.result, api().ConectarModem(4, "ATZ", 1, "5551234", 9));

        EXPECT_EQ(c.modem.size(), serial_.calls("Le_Modem").size());
        auto pings = serial_.calls("Envia_Dados");
        ASSERT_EQ(c.pings, pings.size());
        for (const FakeCall& p : pings) {
            EXPECT_EQ(9, p.ints[0]);   // terminal
            EXPECT_EQ(10, p.ints[1]);  // Ping
            EXPECT_EQ(0, p.ints[2]);   // no payload
        }
        std::vector<std::string> expected = {"FinalizaCom", "InicializaComModem", "Modem_Str", "Modem_Str"};
        expected.insert(expected.end(), c.pings, "Envia_Dados");
        EXPECT_EQ(expected, entries_but_reads());
        EXPECT_EQ((std::vector<std::string>{"ATZ", "ATDT5551234"}), modem_texts());
        auto opens = serial_.calls("InicializaComModem");
        ASSERT_EQ(1u, opens.size());
        EXPECT_EQ(4, opens[0].ints[0]);
        EXPECT_EQ(2400, opens[0].ints[1]);
    }
}

TEST_F(ModemDial, MissingTextsAndLongNumbersTouchNothing) {
    const std::string fits(495, '7');
    const std::string too_long(496, '7');
    struct Case {
        const char* init;
        const char* number;
        int32_t result;
    } cases[] = {
        {nullptr, "123", -2}, {"", "123", -2},   {nullptr, nullptr, -2},
        {"ATZ", nullptr, -3}, {"ATZ", "", -3},   {"ATZ", too_long.c_str(), -3},
        {"", too_long.c_str(), -2},
    };
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));  // an open port stays open
    serial_.reset();
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, api().ConectarModem(1, c.init, 1, c.number, 1));
    }
    EXPECT_TRUE(serial_.calls().empty());
    EXPECT_EQ(3, api().AbrirPortaComunicacao(1));

    // The longest number that fits is dialled whole.
    serial_.queue_result("Le_Modem", 6);
    EXPECT_EQ(6, api().ConectarModem(1, "ATZ", 0, fits.c_str(), 1));
    auto texts = modem_texts();
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ("ATDP" + fits, texts[1]);
}

TEST_F(ModemDial, AnOpenPortIsClosedAndOpenedAgain) {
    ASSERT_EQ(0, api().AbrirPortaComunicacao(2));
    serial_.reset();
    serial_.queue_result("Le_Modem", 1);
    EXPECT_EQ(1, api().ConectarModem(3, "ATZ", 1, "42", 5));
    EXPECT_EQ(1u, serial_.calls("FinalizaCom").size());
    ASSERT_EQ(1u, serial_.calls("InicializaComModem").size());
    EXPECT_EQ(3, serial_.calls("InicializaComModem")[0].ints[0]);
    EXPECT_EQ(3, api().AbrirPortaComunicacao(3));  // left open after the dial
}

TEST_F(ModemDial, OnANonModemConnectionTheInitialisationFails) {
    for (uint8_t type : {uint8_t{0}, uint8_t{1}}) {
        SCOPED_TRACE(int(type));
        serial_.reset();
        tcp_.reset();
        ASSERT_EQ(0, api().DefinirTipoConexao(type));
        EXPECT_EQ(-1, api().ConectarModem(1, "ATZ", 1, "123", 1));
        EXPECT_TRUE(serial_.calls("Modem_Str").empty());
        EXPECT_TRUE(serial_.calls("InicializaComModem").empty());
        EXPECT_EQ(1u, (type == 0 ? serial_ : tcp_).calls("InicializaCom").size());  // the plain open
    }
}

class BareModemDial : public testsupport::SdkTest {};

TEST_F(BareModemDial, WithoutTheSerialLibraryTheOpenFails) {
    ASSERT_EQ(0, api().DefinirTipoConexao(3));
    EXPECT_EQ(-1, api().ConectarModem(1, "ATZ", 1, "123", 1));
    EXPECT_EQ(-3, api().ConectarModem(1, "ATZ", 1, "", 1));
}

}  // namespace
