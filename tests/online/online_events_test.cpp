// ReceberDadosOnLine, ReceberDadosOnLine2 and LerSensoresCorvo through the
// exports: requests, card texts, codes and out-parameters left alone.
#include <cstring>

#include "online_record.h"
#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Requests = std::vector<std::pair<int32_t, int32_t>>;  // command, length

using testsupport::online_event;

// The out-parameters, 0xEE before the call so that an unwritten one shows.
struct Out {
    uint8_t b[8];  // origin, complement, six date and time values
    char card[17];
    Out() {
        std::memset(b, 0xEE, sizeof b);
        std::memset(card, 0xEE, sizeof card);
    }
    bool untouched() const { return Bytes(b, b + 8) == Bytes(8, 0xEE) && card[0] == char(0xEE); }
};

class OnlineEvents : public testsupport::SdkTest {
protected:
    uint8_t read(bool second_form, Out& o) {
        auto op = second_form ? api().ReceberDadosOnLine2 : api().ReceberDadosOnLine;
        return op(3, &o.b[0], &o.b[1], o.card, &o.b[2], &o.b[3], &o.b[4], &o.b[5], &o.b[6], &o.b[7]);
    }
    Requests requests() const {
        Requests out;
        for (const auto& c : tcp_.calls("Recebe_Dados")) out.emplace_back(c.ints[1], c.ints[2]);
        return out;
    }
};

TEST_F(OnlineEvents, CardTextsOfBothReaders) {
    open_tcp_lib();
    struct Case {
        bool second_form;
        int32_t flag215;
        Bytes record;
        std::string text;  // 16 characters, or 14 for the second form
        Bytes date_time;
    } cases[] = {
        {false, 1, online_event(7, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4}, {25, 12, 26, 8, 30, 59}),
         std::string("12345678901234\0\0", 16), {25, 12, 26, 8, 30, 59}},
        // byte 20 = 0xFF: 16 positions over offsets 2..17, date and time still 16..21
        {false, 1, online_event(1, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5}), "0123456789012345",
         {4, 5, 0xFF, 0xFF, 0xFF, 0xFF}},
        {false, 1, online_event(0, 0, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {1, 1, 0, 0, 0, 0}), std::string("9876543210\0\0\0\0\0\0", 16),
         {1, 1, 0, 0, 0, 0}},
        {false, 1, online_event(13, 21, {10, 65, 3}, {1, 2, 3, 4, 5, 6}), std::string("\0\0" "3\0\0\0\0\0\0\0\0\0\0\0\0\0", 16),
         {1, 2, 3, 4, 5, 6}},
        // second form: bytes up to 90 pass with the 215 flag on; only digits without it
        {true, 1, online_event(5, 6, {1, 65, 90, 91, 0xFF, 48, 10, 9, 0, 0xFE, 0, 0, 0, 7}, {31, 1, 99, 23, 59, 0}),
         std::string("1AZ\0\0" "0\n90\0" "0007", 14), {31, 1, 99, 23, 59, 0}},
        {true, 0, online_event(5, 6, {1, 65, 90, 91, 0xFF, 48, 10, 9, 0, 0xFE, 0, 0, 0, 7}, {31, 1, 99, 23, 59, 0}),
         std::string("1\0\0\0\0\0\0" "90\0" "0007", 14), {31, 1, 99, 23, 59, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        api().Utilizar215(0, c.flag215);
        tcp_.reset();
        if (c.second_form && c.flag215) tcp_.queue_answer({1});
        tcp_.queue_answer(c.record);
        Out o;
        ASSERT_EQ(0, read(c.second_form, o));
        EXPECT_EQ(Bytes({c.record[0], c.record[1]}), Bytes(o.b, o.b + 2));
        EXPECT_EQ(c.date_time, Bytes(o.b + 2, o.b + 8));
        EXPECT_EQ(c.text, std::string(o.card, c.text.size()));
        EXPECT_EQ(char(0xEE), o.card[c.text.size()]);  // nothing written past the text
        Requests expected = {{207, 22}};
        if (c.second_form && c.flag215) expected.insert(expected.begin(), std::make_pair(215, 1));
        EXPECT_EQ(expected, requests());
    }
}

TEST_F(OnlineEvents, FailureCodesOfBothReaders) {
    struct Case {
        bool second_form;
        bool open;
        int32_t flag215;
        std::vector<std::pair<int32_t, Bytes>> answers;  // receive results and bytes, in order
        uint8_t code;
        Requests requests;
    } cases[] = {
        {false, true, 1, {{21, online_event(1, 1, {1})}}, 128, {{207, 22}}},  // every failure reads 128
        {false, false, 1, {}, 128, {}},
        {true, true, 0, {{21, online_event(1, 1, {1})}}, 1, {{207, 22}}},     // codes pass unchanged
        {true, false, 1, {}, 2, {}},
        {true, true, 1, {{40, {0}}}, 128, {{215, 1}}},                 // no event waits
        {true, true, 1, {{40, {2}}}, 128, {{215, 1}}},
        {true, true, 1, {{21, {1}}}, 1, {{215, 1}}},
        {true, true, 1, {{40, {1}}, {21, online_event(1, 1, {1})}}, 1, {{215, 1}, {207, 22}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.second_form << c.open << c.flag215 << " " << int(c.code));
        ASSERT_EQ(0, api().DefinirTipoConexao(1));
        if (c.open) {
            ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
        }
        api().Utilizar215(0, c.flag215);
        tcp_.reset();
        for (const auto& a : c.answers) tcp_.queue_answer(a.first, a.second);
        Out o;
        EXPECT_EQ(c.code, read(c.second_form, o));
        EXPECT_TRUE(o.untouched());
        EXPECT_EQ(c.requests, requests());
    }
}

TEST_F(OnlineEvents, SensorsAskThreeBytesOrOneOnOldTerminals) {
    open_tcp_lib();
    struct Case {
        int32_t old_terminal;
        int32_t answer_result;
        uint8_t code;
        Requests requests;
        Bytes out;
    } cases[] = {
        {0, 40, 0, {{208, 3}}, {7, 8, 9}},
        {1, 40, 0, {{208, 1}}, {7, 0, 0}},
        {0, 21, 1, {{208, 3}}, {0xEE, 0xEE, 0xEE}},
    };
    for (const Case& c : cases) {
        api().SetarCorvoOld(0, c.old_terminal);
        tcp_.reset();
        tcp_.queue_answer(c.answer_result, {7, 8, 9});
        uint8_t s[3] = {0xEE, 0xEE, 0xEE};
        EXPECT_EQ(c.code, api().LerSensoresCorvo(4, &s[0], &s[1], &s[2]));
        EXPECT_EQ(c.out, Bytes(s, s + 3));
        EXPECT_EQ(c.requests, requests());
    }
}

}  // namespace
