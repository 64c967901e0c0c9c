// ReceberDadosOnLine, ReceberDadosOnLine2 and LerSensoresCorvo through the
// exports: requests, card texts, codes and out-parameters left alone.
#include <cstring>

#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A 22-byte event: origin, complement, the bytes from offset 2 as given, and
// (when `date_time` is not empty) offsets 16..21.
Bytes event(uint8_t origin, uint8_t complement, const Bytes& positions, const Bytes& date_time) {
    Bytes r(22, 0xFF);
    r[0] = origin;
    r[1] = complement;
    for (size_t i = 0; i < positions.size(); ++i) r[2 + i] = positions[i];
    for (size_t i = 0; i < date_time.size(); ++i) r[16 + i] = date_time[i];
    return r;
}

// What an event reader hands out; filled with 0xEE before the call so that
// an unwritten field shows.
struct Out {
    uint8_t origin = 0xEE, complement = 0xEE;
    char card[17];
    uint8_t dt[6];
    Out() {
        std::memset(card, 0xEE, sizeof card);
        std::memset(dt, 0xEE, sizeof dt);
    }
    std::string text(size_t n) const { return std::string(card, n); }
    bool untouched() const {
        Out fresh;
        return origin == 0xEE && complement == 0xEE && std::memcmp(card, fresh.card, 17) == 0 &&
               std::memcmp(dt, fresh.dt, 6) == 0;
    }
};

class OnlineEvents : public testsupport::SdkTest {
protected:
    uint8_t read1(Out& o, int32_t terminal = 3) {
        return api().ReceberDadosOnLine(terminal, &o.origin, &o.complement, o.card, &o.dt[0], &o.dt[1], &o.dt[2],
                                        &o.dt[3], &o.dt[4], &o.dt[5]);
    }
    uint8_t read2(Out& o, int32_t terminal = 3) {
        return api().ReceberDadosOnLine2(terminal, &o.origin, &o.complement, o.card, &o.dt[0], &o.dt[1], &o.dt[2],
                                         &o.dt[3], &o.dt[4], &o.dt[5]);
    }
    // (command, length) of every receive, in order.
    std::vector<std::pair<int32_t, int32_t>> receives() const {
        std::vector<std::pair<int32_t, int32_t>> out;
        for (const auto& c : tcp_.calls("Recebe_Dados")) out.emplace_back(c.ints[1], c.ints[2]);
        return out;
    }
};

using Receives = std::vector<std::pair<int32_t, int32_t>>;

TEST_F(OnlineEvents, FirstReaderBuildsFourteenOrSixteenCharacters) {
    open_tcp_lib();
    struct Case {
        const char* what;
        Bytes record;
        std::string text;  // 16 characters
        Bytes date_time;
    } cases[] = {
        {"14 positions, byte 20 = 30",
         event(7, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4}, {25, 12, 26, 8, 30, 59}),
         std::string("12345678901234") + '\0' + '\0', {25, 12, 26, 8, 30, 59}},
        {"16 positions over offsets 2..17",
         event(1, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5}, {}),
         "0123456789012345", {4, 5, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"10-digit card",
         event(0, 0, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {1, 1, 0, 0, 0, 0}),
         std::string("9876543210") + std::string(6, '\0'), {1, 1, 0, 0, 0, 0}},
        {"values above 9 are empty",
         event(13, 21, {10, 65, 3, 0xFE}, {1, 2, 3, 4, 5, 6}),
         std::string("\0\0" "3", 3) + std::string(13, '\0'), {1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        tcp_.queue_answer(c.record);
        Out o;
        ASSERT_EQ(0, read1(o, 0x7001));
        EXPECT_EQ(c.record[0], o.origin);
        EXPECT_EQ(c.record[1], o.complement);
        EXPECT_EQ(c.text, o.text(16));
        EXPECT_EQ(uint8_t(0xEE), uint8_t(o.card[16]));  // nothing past 16 bytes
        EXPECT_EQ(c.date_time, Bytes(o.dt, o.dt + 6));
        auto rx = tcp_.calls("Recebe_Dados");
        ASSERT_EQ(1u, rx.size());
        EXPECT_EQ(0x7001, rx[0].ints[0]);
        EXPECT_EQ(Receives({{207, 22}}), receives());
    }
}

TEST_F(OnlineEvents, SecondReaderConvertsByTheFlag) {
    open_tcp_lib();
    const Bytes positions = {1, 65, 90, 91, 0xFF, 48, 10, 9, 0, 0xFE, 0, 0, 0, 7};
    struct Case {
        int32_t flag;
        std::string text;  // 14 characters
    } cases[] = {
        {1, std::string("1AZ\0\0" "0\n90\0" "0007", 14)},
        {0, std::string("1\0\0\0\0\0\0" "90\0" "0007", 14)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flag);
        api().Utilizar215(0, c.flag);
        tcp_.reset();
        if (c.flag) tcp_.queue_answer({1});
        tcp_.queue_answer(event(5, 6, positions, {31, 1, 99, 23, 59, 0}));
        Out o;
        ASSERT_EQ(0, read2(o));
        EXPECT_EQ(c.text, o.text(14));
        EXPECT_EQ(uint8_t(0xEE), uint8_t(o.card[14]));  // exactly 14 bytes written
        EXPECT_EQ(5, o.origin);
        EXPECT_EQ(6, o.complement);
        EXPECT_EQ(Bytes({31, 1, 99, 23, 59, 0}), Bytes(o.dt, o.dt + 6));
        EXPECT_EQ(c.flag ? Receives({{215, 1}, {207, 22}}) : Receives({{207, 22}}), receives());
    }
}

TEST_F(OnlineEvents, FirstReaderReportsEveryFailureAs128) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    Out o;
    EXPECT_EQ(128, read1(o));  // port closed
    EXPECT_TRUE(o.untouched());
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    tcp_.reset();
    tcp_.queue_answer(21, event(1, 1, {1, 2}, {1, 2, 3, 4, 5, 6}));  // bytes arrive, the receive fails
    EXPECT_EQ(128, read1(o));
    EXPECT_TRUE(o.untouched());
    EXPECT_EQ(Receives({{207, 22}}), receives());  // the command-215 flag plays no part
}

TEST_F(OnlineEvents, SecondReaderPassesExchangeCodesAndChecksTheWaitingByte) {
    struct Case {
        const char* what;
        bool open;
        int32_t flag;  // Utilizar215
        std::vector<std::pair<int32_t, Bytes>> answers;  // receive results and bytes, in order
        uint8_t code;
        Receives requests;
    } cases[] = {
        {"event fails", true, 0, {{21, event(1, 1, {1}, {})}}, 1, {{207, 22}}},
        {"port closed", false, 0, {}, 2, {}},
        {"port closed, flag on", false, 1, {}, 2, {}},
        {"nothing waits", true, 1, {{40, {0}}}, 128, {{215, 1}}},
        {"waiting byte 2", true, 1, {{40, {2}}}, 128, {{215, 1}}},
        {"pre-read fails", true, 1, {{21, {1}}}, 1, {{215, 1}}},
        {"event fails after pre-read", true, 1, {{40, {1}}, {21, event(1, 1, {1}, {})}}, 1, {{215, 1}, {207, 22}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(0, api().DefinirTipoConexao(1));
        if (c.open) {
            ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
        }
        api().Utilizar215(0, c.flag);
        tcp_.reset();
        for (const auto& a : c.answers) tcp_.queue_answer(a.first, a.second);
        Out o;
        EXPECT_EQ(c.code, read2(o));
        EXPECT_TRUE(o.untouched());
        EXPECT_EQ(c.requests, receives());
    }
}

TEST_F(OnlineEvents, NullOutParametersAreRefusedBeforeAnyRequest) {
    open_tcp_lib();
    for (int k = 1; k <= 9; ++k) {
        SCOPED_TRACE(k);
        Out o;
        uint8_t* b[] = {&o.origin, &o.complement, nullptr, &o.dt[0], &o.dt[1], &o.dt[2], &o.dt[3], &o.dt[4], &o.dt[5]};
        char* card = o.card;
        if (k == 3) card = nullptr; else b[k - 1] = nullptr;
        EXPECT_EQ(128 + k, api().ReceberDadosOnLine(1, b[0], b[1], card, b[3], b[4], b[5], b[6], b[7], b[8]));
        EXPECT_EQ(128 + k, api().ReceberDadosOnLine2(1, b[0], b[1], card, b[3], b[4], b[5], b[6], b[7], b[8]));
    }
    EXPECT_TRUE(tcp_.calls().empty());
}

TEST_F(OnlineEvents, SensorsAskThreeBytesOrOneOnOldTerminals) {
    open_tcp_lib();
    struct Case {
        int32_t old_terminal;
        int32_t length;
        Bytes out;
    } cases[] = {{0, 3, {7, 8, 9}}, {1, 1, {7, 0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.old_terminal);
        EXPECT_EQ(c.old_terminal, api().SetarCorvoOld(0, c.old_terminal));
        tcp_.reset();
        tcp_.queue_answer({7, 8, 9});
        uint8_t s[3] = {0xEE, 0xEE, 0xEE};
        EXPECT_EQ(0, api().LerSensoresCorvo(4, &s[0], &s[1], &s[2]));
        EXPECT_EQ(c.out, Bytes(s, s + 3));
        auto rx = tcp_.calls("Recebe_Dados");
        ASSERT_EQ(1u, rx.size());
        EXPECT_EQ(4, rx[0].ints[0]);
        EXPECT_EQ(208, rx[0].ints[1]);
        EXPECT_EQ(c.length, rx[0].ints[2]);
    }
    tcp_.reset();
    tcp_.queue_answer(21, {1, 2, 3});
    uint8_t s[3] = {0xEE, 0xEE, 0xEE};
    EXPECT_EQ(1, api().LerSensoresCorvo(4, &s[0], &s[1], &s[2]));
    EXPECT_EQ(Bytes(3, 0xEE), Bytes(s, s + 3));
    EXPECT_EQ(129, api().LerSensoresCorvo(4, nullptr, &s[1], &s[2]));
    EXPECT_EQ(131, api().LerSensoresCorvo(4, &s[0], &s[1], nullptr));
    EXPECT_EQ(1u, tcp_.calls("Recebe_Dados").size());
    api().FecharPortaComunicacao();
    EXPECT_EQ(2, api().LerSensoresCorvo(4, &s[0], &s[1], &s[2]));
}

}  // namespace
