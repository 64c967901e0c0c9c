// The emulated modem: what it answers to command lines, and when the line
// turns into a data line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/modem.h"

namespace {

using corvo::sim::Modem;

struct Fed {
    std::string reply;
    std::string data;
};

Fed feed(Modem& m, const std::string& bytes) {
    std::vector<uint8_t> reply, data;
    m.feed(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), reply, data);
    return {std::string(reply.begin(), reply.end()), std::string(data.begin(), data.end())};
}

TEST(Modem, AnswersToCommandLines) {
    struct Case {
        const char* name;
        const char* verdict;  // the control command's word for what a dial meets
        std::string input;
        std::string reply;
        bool data_mode;
    } cases[] = {
        {"echo and verbal OK", "busy", "AT\r", "AT\r\r\nOK\r\n", false},
        {"numeric, no echo", "busy", "ATE0V0\r", "ATE0V0\r0\r", false},
        {"numeric busy", "busy", "ATE0V0\rATDT555\r", "ATE0V0\r0\r7\r", false},
        {"no carrier", "no-carrier", "ATE0V0\rATDP1\r", "ATE0V0\r0\r3\r", false},
        {"no dial tone, verbal", "no-dialtone", "ATE0\rATD1\r", "ATE0\r\r\nOK\r\n\r\nNO DIALTONE\r\n", false},
        {"connect", "connect", "ATE0V0\rATDT1\r", "ATE0V0\r0\r1\r", true},
        {"lower case and spaces", "busy", "ate0 v0\r", "ate0 v0\r0\r", false},
        {"unknown command", "busy", "ATE0V0\rAT*\r", "ATE0V0\r0\r4\r", false},
        {"not a command", "busy", "ATE0V0\rHELLO\r", "ATE0V0\r0\r4\r", false},
        {"settings are acknowledged", "busy", "ATE0V0S0=1X4M0L1&C1\r", "ATE0V0S0=1X4M0L1&C1\r0\r", false},
        {"quiet", "busy", "ATE0Q1\rATDT1\r", "ATE0Q1\r", false},
        {"ATZ restores echo and words", "busy", "ATE0V0\rATZ\r", "ATE0V0\r0\r\r\nOK\r\n", false},
        {"online without a call", "busy", "ATE0V0\rATO\r", "ATE0V0\r0\r4\r", false},
        {"empty lines and line feeds", "busy", "ATE0V0\r\n\r\n", "ATE0V0\r0\r", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Modem::Verdict v = Modem::Verdict::Connect;
        ASSERT_TRUE(Modem::parse_verdict(c.verdict, v));
        EXPECT_EQ(std::string(c.verdict), Modem::name(v));
        Modem m;
        m.set_verdict(v);
        const Fed f = feed(m, c.input);
        EXPECT_EQ(c.reply, f.reply);
        EXPECT_EQ("", f.data);
        EXPECT_EQ(c.data_mode, m.data_mode());
    }
    for (const char* word : {"BUSY", ""}) {  // words it does not know leave the verdict alone
        Modem::Verdict v = Modem::Verdict::Busy;
        EXPECT_FALSE(Modem::parse_verdict(word, v)) << word;
        EXPECT_EQ(Modem::Verdict::Busy, v);
    }
}

// Everything after CONNECT passes untouched. When the host closes the line
// the call is over, the settings stay and the next bytes are commands again;
// a reset brings back echo and words.
TEST(Modem, PassesDataAfterConnectUntilHungUp) {
    Modem m;
    m.set_verdict(Modem::Verdict::Connect);
    const std::string link("\xC5\x3A\x01\x02\r\nATH\r", 9);
    Fed f = feed(m, "ATE0V0\rATDP 555-1234\r" + link);
    EXPECT_EQ("555-1234", m.dialed());
    EXPECT_EQ('P', m.method());
    EXPECT_EQ(2, m.command_lines());
    EXPECT_EQ("ATE0V0\r0\r1\r", f.reply);
    EXPECT_EQ(link, f.data);
    m.hang_up();
    EXPECT_FALSE(m.data_mode());
    f = feed(m, "ATO\rATDT2\r\xC5");
    EXPECT_EQ("4\r1\r", f.reply);  // no call to go back to; a new dial connects
    EXPECT_EQ("\xC5", f.data);
    EXPECT_EQ("2", m.dialed());
    EXPECT_EQ('T', m.method());
    m.reset();
    EXPECT_FALSE(m.data_mode());
    EXPECT_EQ("ATDT9\r\r\nCONNECT 2400\r\n", feed(m, "ATDT9\r").reply);
}

}  // namespace
