// Firmware version, keep-alive time, turnstile counters and smart card
// reading through the exports.
#include <cstring>

#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

class DeviceExtras : public testsupport::SdkTest {
protected:
    // The 66-byte request: bytes 0 and 1, then 0xFF.
    static Bytes request(uint8_t kind, uint8_t detail) {
        Bytes r(66, 0xFF);
        r[0] = kind;
        r[1] = detail;
        return r;
    }
};

TEST_F(DeviceExtras, FirmwareVersionFieldsAndTheByte6Rule) {
    open_tcp_lib();
    struct Case {
        int32_t result;  // of the receive
        Bytes answer;
        Bytes bytes;     // byte0, byte3..byte6 handed out
        uint16_t version;
        uint8_t code;
    } cases[] = {
        {40, {14, 0x03, 0x02, 4, 5, 6, 7, 8}, {14, 4, 5, 6, 7}, 0x0203, 0},
        {40, {13, 0x34, 0x12, 4, 5, 6, 7, 8}, {13, 4, 5, 6, 0}, 0x1234, 0},
        {21, {14, 1, 2, 3, 4, 5, 6}, {0, 0, 0, 0, 0}, 0, 1},  // bytes arrived, receive failed
    };
    for (const Case& c : cases) {
        tcp_.reset();
        tcp_.queue_answer(c.result, c.answer);
        uint8_t b[5];
        std::memset(b, 0xEE, sizeof b);
        uint16_t version = 0xEEEE;
        EXPECT_EQ(c.code, api().ReceberVersaoFirmware(8, &b[0], &version, &b[1], &b[2], &b[3], &b[4]));
        EXPECT_EQ(c.bytes, Bytes(b, b + 5));
        EXPECT_EQ(c.version, version);
        auto rx = tcp_.calls("Recebe_Dados");
        ASSERT_EQ(1u, rx.size());
        EXPECT_EQ(8, rx[0].ints[0]);
        EXPECT_EQ(250, rx[0].ints[1]);
        EXPECT_EQ(16, rx[0].ints[2]);
    }
    uint8_t b[5];
    uint16_t v;
    EXPECT_EQ(130, api().ReceberVersaoFirmware(8, &b[0], nullptr, &b[1], &b[2], &b[3], &b[4]));
    EXPECT_EQ(134, api().ReceberVersaoFirmware(8, &b[0], &v, &b[1], &b[2], &b[3], nullptr));
    EXPECT_EQ(1u, tcp_.calls().size());  // the last case only: nulls asked nothing
    api().FecharPortaComunicacao();
    b[0] = 0xEE;
    EXPECT_EQ(2, api().ReceberVersaoFirmware(8, &b[0], &v, &b[1], &b[2], &b[3], &b[4]));
    EXPECT_EQ(0, b[0]);
}

TEST_F(DeviceExtras, KeepAliveTimeGoesMostSignificantFirst) {
    open_tcp_lib();
    struct Case {
        int32_t time;
        uint8_t code;
        Bytes payload;  // empty: nothing sent
    } cases[] = {
        {300, 0, {0x00, 0x00, 0x01, 0x2C}},
        {0, 0, {0, 0, 0, 0}},
        {0x7FFFFFFF, 0, {0x7F, 0xFF, 0xFF, 0xFF}},
        {0x01020304, 0, {1, 2, 3, 4}},
        {-1, 128, {}},
        {INT32_MIN, 128, {}},
    };
    for (const Case& c : cases) {
        tcp_.reset();
        EXPECT_EQ(c.code, api().EnviarTempoKeepAliveRabbit(5, c.time)) << c.time;
        auto s = sent();
        if (c.payload.empty()) {
            EXPECT_TRUE(s.empty());
            continue;
        }
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(198, s[0].command);
        EXPECT_EQ(c.payload, s[0].data);
    }
}

TEST_F(DeviceExtras, CounterWriteCopiesTheValuesAndReadsTheAnswer) {
    open_tcp_lib();
    tcp_.queue_answer(std::vector<uint8_t>(66, 0));
    EXPECT_EQ(0, api().AtribuirContadorGiro(3, 0x04030201, 0x45230100, -1));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    Bytes expected = request(1, 1);
    const Bytes counters = {1, 2, 3, 4, 0x00, 0x01, 0x23, 0x45, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(counters.begin(), counters.end(), expected.begin() + 2);
    EXPECT_EQ(125, s[0].command);
    EXPECT_EQ(expected, s[0].data);
    auto rx = tcp_.calls("Recebe_Dados");
    ASSERT_EQ(1u, rx.size());
    EXPECT_EQ(225, rx[0].ints[1]);
    EXPECT_EQ(66, rx[0].ints[2]);

    tcp_.reset();
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().AtribuirContadorGiro(3, 1, 2, 3));
    EXPECT_TRUE(tcp_.calls("Recebe_Dados").empty());  // no answer asked after a refused request
    tcp_.queue_answer(21, {});
    EXPECT_EQ(1, api().AtribuirContadorGiro(3, 1, 2, 3));
}

TEST_F(DeviceExtras, CounterReadTurnsBcdIntoValuesLeastSignificantFirst) {
    open_tcp_lib();
    Bytes answer(66, 0);
    const Bytes counters = {0x00, 0x01, 0x23, 0x45, 0x99, 0x98, 0x76, 0x54, 0x12, 0x34, 0x56, 0x78};
    std::copy(counters.begin(), counters.end(), answer.begin() + 2);
    tcp_.queue_answer(answer);
    uint8_t c[3][5];
    std::memset(c, 0xEE, sizeof c);
    EXPECT_EQ(0, api().LerContadorGiro(3, c[0], c[1], c[2]));
    EXPECT_EQ(Bytes({45, 23, 1, 0, 0xEE}), Bytes(c[0], c[0] + 5));  // 4 bytes written
    EXPECT_EQ(Bytes({54, 76, 98, 99, 0xEE}), Bytes(c[1], c[1] + 5));
    EXPECT_EQ(Bytes({78, 56, 34, 12, 0xEE}), Bytes(c[2], c[2] + 5));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(125, s[0].command);
    EXPECT_EQ(request(1, 2), s[0].data);

    // Failures: the areas keep what they held.
    std::memset(c, 0xEE, sizeof c);
    tcp_.queue_answer(21, answer);
    EXPECT_EQ(1, api().LerContadorGiro(3, c[0], c[1], c[2]));
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().LerContadorGiro(3, c[0], c[1], c[2]));
    EXPECT_EQ(130, api().LerContadorGiro(3, c[0], nullptr, c[2]));
    for (auto& row : c) EXPECT_EQ(Bytes(5, 0xEE), Bytes(row, row + 5));
    EXPECT_EQ(3u, sent().size());  // the null area sent nothing
}

TEST_F(DeviceExtras, SmartCardAreasAreCopiedAsReceived) {
    open_tcp_lib();
    Bytes answer(66);
    for (int i = 0; i < 66; ++i) answer[i] = static_cast<uint8_t>(i);
    tcp_.queue_answer(answer);
    uint8_t r1[11], r2[17], r3[17], r4[17];
    std::memset(r1, 0xEE, sizeof r1);
    for (uint8_t* r : {r2, r3, r4}) std::memset(r, 0xEE, 17);
    EXPECT_EQ(0, api().LerSmartCard(4, 0x33, r1, r2, r3, r4));
    auto part = [&](int from, int n) {
        Bytes b(answer.begin() + from, answer.begin() + from + n);
        b.push_back(0xEE);
        return b;
    };
    EXPECT_EQ(part(2, 10), Bytes(r1, r1 + 11));
    EXPECT_EQ(part(12, 16), Bytes(r2, r2 + 17));
    EXPECT_EQ(part(28, 16), Bytes(r3, r3 + 17));
    EXPECT_EQ(part(44, 16), Bytes(r4, r4 + 17));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(125, s[0].command);
    EXPECT_EQ(request(4, 0x33), s[0].data);

    std::memset(r1, 0xEE, sizeof r1);
    tcp_.queue_answer(21, answer);
    EXPECT_EQ(1, api().LerSmartCard(4, 1, r1, r2, r3, r4));
    EXPECT_EQ(Bytes(11, 0xEE), Bytes(r1, r1 + 11));
    EXPECT_EQ(133, api().LerSmartCard(4, 1, r1, r2, r3, nullptr));
    EXPECT_EQ(130, api().LerSmartCard(4, 1, nullptr, r2, r3, r4));
    EXPECT_EQ(2u, sent().size());
    api().FecharPortaComunicacao();
    EXPECT_EQ(2, api().LerSmartCard(4, 1, r1, r2, r3, r4));
}

}  // namespace
