// ColetarBilhete and ReceberQuantidadeBilhetes through the exports: record
// layouts, card texts, the repeated-punch rule per terminal, the empty
// record of the serial COM component, and what failures leave alone.
#include <cstring>

#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A pattern-1 record: six header bytes, 8 card bytes, 2 identifier bytes.
Bytes digits_record(const Bytes& header, const Bytes& card, uint8_t id0, uint8_t id1) {
    Bytes r = header;
    r.insert(r.end(), card.begin(), card.end());
    r.push_back(id0);
    r.push_back(id1);
    return r;
}

// A pattern-0 record: six header bytes, the card's two bytes (low first), 2 identifier bytes.
Bytes number_record(const Bytes& header, uint8_t lo, uint8_t hi, uint8_t id0, uint8_t id1) {
    Bytes r = header;
    for (uint8_t b : {lo, hi, id0, id1}) r.push_back(b);
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
    bool untouched() const {
        Punch fresh;
        return std::memcmp(this, &fresh, sizeof fresh) == 0;
    }
};

class Punches : public testsupport::SdkTest {
protected:
    uint8_t collect(int32_t terminal, Punch& p) {
        return api().ColetarBilhete(terminal, &p.b[0], &p.b[1], &p.b[2], &p.b[3], &p.b[4], &p.b[5], p.card);
    }
};

TEST_F(Punches, CardTextsOfBothPatterns) {
    open_tcp_lib();
    const Bytes header = {3, 28, 2, 26, 7, 59};
    struct Case {
        const char* what;
        uint8_t pattern;
        Bytes record;
        std::string text;  // 16 bytes
    } cases[] = {
        {"pattern 1", 1, digits_record(header, {0, 0, 0, 0, 0, 0x12, 0xAB, 0xCD}, 0, 1), "000000000012abcd"},
        {"pattern 1, all digits", 1, digits_record(header, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10}, 0, 2),
         "fedcba9876543210"},
        {"pattern 0", 0, number_record(header, 0x39, 0x30, 0, 3), "12345" + std::string(11, '\0')},
        {"pattern 0, zero", 0, number_record(header, 0, 0, 0, 4), "0" + std::string(15, '\0')},
        {"pattern 0, largest", 0, number_record(header, 0xFF, 0xFF, 0, 5), "65535" + std::string(11, '\0')},
        {"pattern 0, low byte first", 0, number_record(header, 0x01, 0x00, 0, 6), "1" + std::string(15, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(0, api().DefinirPadraoCartao(c.pattern));
        tcp_.reset();
        tcp_.queue_answer(c.record);
        Punch p;
        ASSERT_EQ(0, collect(9, p));
        EXPECT_EQ(header, p.header());
        EXPECT_EQ(c.text, p.text());
        EXPECT_EQ(uint8_t(0xEE), uint8_t(p.card[16]));  // exactly 16 card bytes
        auto rx = tcp_.calls("Recebe_Dados_E_Nao_Responde");
        ASSERT_EQ(1u, rx.size());
        EXPECT_EQ(9, rx[0].ints[0]);
        EXPECT_EQ(204, rx[0].ints[1]);
        EXPECT_EQ(c.pattern == 0 ? 10 : 16, rx[0].ints[2]);
        EXPECT_TRUE(tcp_.calls("Recebe_Dados").empty());
    }
}

TEST_F(Punches, RepeatedIdentifierIsRefusedPerTerminal) {
    open_tcp_lib();
    const Bytes header = {1, 2, 3, 4, 5, 6};
    struct Step {
        int32_t terminal;
        uint8_t id0, id1;
        uint8_t code;
    } steps[] = {
        {1, 0xFF, 0xFF, 0},    // the first punch of a terminal is always taken
        {1, 0x00, 0x07, 0},
        {1, 0x00, 0x07, 128},  // offered again
        {1, 0x00, 0x07, 128},
        {2, 0x00, 0x07, 0},    // another terminal's punch with the same identifier
        {1, 0x00, 0x07, 128},  // terminal 1 still remembers its own
        {1, 0x07, 0x00, 0},    // one byte differing is a new punch
        {1, 0x07, 0x01, 0},
        {2, 0x00, 0x07, 128},
        {3, 0x07, 0x01, 0},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(testing::Message() << st.terminal << ": " << int(st.id0) << " " << int(st.id1));
        tcp_.queue_answer(digits_record(header, {0, 0, 0, 0, 0, 0, 0, 1}, st.id0, st.id1));
        Punch p;
        EXPECT_EQ(st.code, collect(st.terminal, p));
        if (st.code == 0) {
            EXPECT_EQ(header, p.header());
        } else {
            EXPECT_TRUE(p.untouched());
        }
    }
}

TEST_F(Punches, FailedReceivesPassUpAndLeaveTheIdentifier) {
    open_tcp_lib();
    const Bytes record = digits_record({1, 2, 3, 4, 5, 6}, {0, 0, 0, 0, 0, 0, 0, 1}, 0, 9);
    Punch p;
    tcp_.queue_answer(21, record);  // bytes arrived, the receive failed
    EXPECT_EQ(1, collect(4, p));
    EXPECT_TRUE(p.untouched());
    tcp_.queue_answer(record);
    EXPECT_EQ(0, collect(4, p));  // its identifier had not been stored
    api().FecharPortaComunicacao();
    Punch q;
    EXPECT_EQ(2, collect(4, q));
    EXPECT_TRUE(q.untouched());
}

TEST_F(Punches, NullOutParametersAreRefusedBeforeAnyRequest) {
    open_tcp_lib();
    for (int k = 1; k <= 7; ++k) {
        Punch p;
        uint8_t* b[6] = {&p.b[0], &p.b[1], &p.b[2], &p.b[3], &p.b[4], &p.b[5]};
        char* card = p.card;
        if (k == 7) card = nullptr; else b[k - 1] = nullptr;
        EXPECT_EQ(128 + k, api().ColetarBilhete(1, b[0], b[1], b[2], b[3], b[4], b[5], card)) << k;
    }
    EXPECT_TRUE(tcp_.calls().empty());
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
    auto rx = serial_com_.calls("ReceiveNoReply");
    ASSERT_EQ(2u, rx.size());
    EXPECT_EQ(204, rx[0].ints[0]);
    EXPECT_EQ(16, rx[0].ints[1]);
    // A zero header with a card is still empty; a non-zero header is a punch.
    serial_com_.queue_answer(digits_record({0, 0, 0, 0, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8}, 0, 1));
    Punch p;
    EXPECT_EQ(1, collect(1, p));
    serial_com_.queue_answer(digits_record({0, 0, 0, 0, 0, 1}, {1, 2, 3, 4, 5, 6, 7, 8}, 0, 2));
    EXPECT_EQ(0, collect(1, p));
    EXPECT_EQ("0102030405060708", p.text());

    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    tcp_.queue_answer(zero);
    Punch t;
    EXPECT_EQ(0, collect(2, t));  // elsewhere an all-zero record is a punch
    EXPECT_EQ(Bytes(6, 0), t.header());
    EXPECT_EQ(std::string(16, '0'), t.text());
}

TEST_F(Punches, CollectedThroughTheSerialLibrary) {
    ASSERT_EQ(0, api().DefinirTipoConexao(0));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(3));
    ASSERT_EQ(0, api().DefinirPadraoCartao(0));
    serial_.queue_answer(number_record({0x11, 31, 12, 25, 23, 59}, 0xD2, 0x04, 0x12, 0x34));
    Punch p;
    ASSERT_EQ(0, collect(21, p));
    EXPECT_EQ(Bytes({0x11, 31, 12, 25, 23, 59}), p.header());
    EXPECT_EQ("1234" + std::string(12, '\0'), p.text());
    auto rx = serial_.calls("Recebe_Dados_E_Nao_Responde");
    ASSERT_EQ(1u, rx.size());
    EXPECT_EQ(21, rx[0].ints[0]);
    EXPECT_EQ(204, rx[0].ints[1]);
    EXPECT_EQ(10, rx[0].ints[2]);
}

TEST_F(Punches, CountIsBigEndian) {
    open_tcp_lib();
    struct Case {
        int32_t result;
        Bytes answer;
        uint8_t code;
        int32_t count;
    } cases[] = {
        {40, {0x01, 0x02}, 0, 258},
        {40, {0xFF, 0xFF}, 0, 65535},
        {40, {0x00, 0x00}, 0, 0},
        {21, {0x01, 0x02}, 1, 0},  // a failed exchange reports no punches
    };
    for (const Case& c : cases) {
        tcp_.reset();
        tcp_.queue_answer(c.result, c.answer);
        int32_t count = -5;
        EXPECT_EQ(c.code, api().ReceberQuantidadeBilhetes(6, &count));
        EXPECT_EQ(c.count, count);
        auto rx = tcp_.calls("Recebe_Dados");
        ASSERT_EQ(1u, rx.size());
        EXPECT_EQ(235, rx[0].ints[1]);
        EXPECT_EQ(2, rx[0].ints[2]);
    }
    tcp_.reset();
    EXPECT_EQ(129, api().ReceberQuantidadeBilhetes(6, nullptr));
    EXPECT_TRUE(tcp_.calls().empty());
    api().FecharPortaComunicacao();
    int32_t count = -5;
    EXPECT_EQ(2, api().ReceberQuantidadeBilhetes(6, &count));
    EXPECT_EQ(0, count);
}

}  // namespace
