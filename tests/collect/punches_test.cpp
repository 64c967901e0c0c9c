// ColetarBilhete and ReceberQuantidadeBilhetes through the exports: record
// layouts, card texts, the repeated-punch rule per terminal, the empty
// record of the serial COM component, and what failures leave alone.
#include <cstring>

#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;
const Bytes kHeader = {3, 28, 2, 26, 7, 59};  // type, day, month, year, hour, minute

// header + card bytes + the two identifier bytes
Bytes record(const Bytes& header, const Bytes& card, uint8_t id0, uint8_t id1) {
    Bytes r = header;
    r.insert(r.end(), card.begin(), card.end());
    r.push_back(id0);
    r.push_back(id1);
    return r;
}

struct Punch {
    uint8_t b[6];
    char card[17];
    Punch() {
        std::memset(b, 0xEE, sizeof b);
        std::memset(card, 0xEE, sizeof card);
    }
    Bytes header() const { return Bytes(b, b + 6); }
    std::string text() const { return std::string(card, 16); }
    bool untouched() const { return header() == Bytes(6, 0xEE) && std::string(card, 17) == std::string(17, char(0xEE)); }
};

class Punches : public testsupport::SdkTest {
protected:
    uint8_t collect(int32_t terminal, Punch& p) {
        return api().ColetarBilhete(terminal, &p.b[0], &p.b[1], &p.b[2], &p.b[3], &p.b[4], &p.b[5], p.card);
    }
};

TEST_F(Punches, CardTextsOfBothPatterns) {
    open_tcp_lib();
    struct Case {
        uint8_t pattern;
        Bytes card;
        const char* text;  // then zero bytes up to 16
    } cases[] = {
        {1, {0, 0, 0, 0, 0, 0x12, 0xAB, 0xCD}, "000000000012abcd"},
        {1, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10}, "fedcba9876543210"},
        {0, {0x39, 0x30}, "12345"},  // low byte first
        {0, {0, 0}, "0"},
        {0, {0xFF, 0xFF}, "65535"},
    };
    uint8_t id = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(0, api().DefinirPadraoCartao(c.pattern));
        tcp_.reset();
        tcp_.queue_answer(record(kHeader, c.card, 0, ++id));
        Punch p;
        ASSERT_EQ(0, collect(9, p));
        EXPECT_EQ(kHeader, p.header());
        std::string text = c.text;
        text.resize(16, '\0');
        EXPECT_EQ(text, p.text());
        EXPECT_EQ(char(0xEE), p.card[16]);  // exactly 16 card bytes
        auto rx = tcp_.calls("Recebe_Dados_E_Nao_Responde");
        ASSERT_EQ(1u, rx.size());
        EXPECT_EQ(9, rx[0].ints[0]);
        EXPECT_EQ(204, rx[0].ints[1]);
        EXPECT_EQ(c.pattern == 0 ? 10 : 16, rx[0].ints[2]);
    }
}

// A failed receive (bytes arrived, result 21) writes nothing and stores no
// identifier; so does a closed port.
TEST_F(Punches, RepeatedIdentifierIsRefusedPerTerminal) {
    open_tcp_lib();
    struct Step {
        int32_t terminal;
        uint8_t id0, id1;
        int32_t result;  // of the receive
        uint8_t code;
    } steps[] = {
        {1, 0xFF, 0xFF, 40, 0},    // a terminal's first punch is always taken
        {1, 0x00, 0x07, 21, 1},
        {1, 0x00, 0x07, 40, 0},    // the failed one stored nothing
        {1, 0x00, 0x07, 40, 128},  // offered again
        {2, 0x00, 0x07, 40, 0},    // another terminal's punch with the same identifier
        {1, 0x00, 0x07, 40, 128},  // terminal 1 still remembers its own
        {1, 0x07, 0x00, 40, 0},    // one byte differing is a new punch
        {2, 0x00, 0x07, 40, 128},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(testing::Message() << st.terminal << ": " << int(st.id0) << " " << int(st.id1));
        tcp_.queue_answer(st.result, record(kHeader, Bytes(8, 1), st.id0, st.id1));
        Punch p;
        EXPECT_EQ(st.code, collect(st.terminal, p));
        EXPECT_EQ(st.code != 0, p.untouched());
    }
    api().FecharPortaComunicacao();
    Punch q;
    EXPECT_EQ(2, collect(3, q));
    EXPECT_TRUE(q.untouched());
}

TEST_F(Punches, AllZeroRecordMeansEmptyOnlyOnTheSerialComComponent) {
    ASSERT_EQ(0, api().DefinirTipoConexao(4));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    const Bytes zero(16, 0);
    for (uint8_t code : {1, 128}) {  // the identifier is stored before the empty test
        serial_com_.queue_answer(zero);
        Punch p;
        EXPECT_EQ(code, collect(1, p));
        EXPECT_TRUE(p.untouched());
    }
    serial_com_.queue_answer(record({0, 0, 0, 0, 0, 1}, {1, 2, 3, 4, 5, 6, 7, 8}, 0, 2));
    Punch p;
    EXPECT_EQ(0, collect(1, p));  // one non-zero header byte makes a punch
    EXPECT_EQ("0102030405060708", p.text());

    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    tcp_.queue_answer(zero);
    Punch t;
    EXPECT_EQ(0, collect(2, t));  // elsewhere an all-zero record is a punch
    EXPECT_EQ(std::string(16, '0'), t.text());
}

TEST_F(Punches, CountIsBigEndian) {
    open_tcp_lib();
    struct Case {
        int32_t result;
        Bytes answer;
        uint8_t code;
        int32_t count;
    } cases[] = {{40, {0x01, 0x02}, 0, 258}, {40, {0xFF, 0xFF}, 0, 65535}, {21, {0x01, 0x02}, 1, 0}};
    for (const Case& c : cases) {
        tcp_.reset();
        tcp_.queue_answer(c.result, c.answer);
        int32_t count = -5;
        EXPECT_EQ(c.code, api().ReceberQuantidadeBilhetes(6, &count));
        EXPECT_EQ(c.count, count);  // a failed exchange reports no punches
        auto rx = tcp_.calls("Recebe_Dados");
        ASSERT_EQ(1u, rx.size());
        EXPECT_EQ(235, rx[0].ints[1]);
        EXPECT_EQ(2, rx[0].ints[2]);
    }
}

}  // namespace
