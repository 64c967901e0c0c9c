// Firmware version, keep-alive time, turnstile counters, smart card reading
// and the protocol options through the exports.
#include <cstring>

#include "../bio/bio_test_support.h"

namespace {

using biotest::Bytes;
using biotest::Reads;
using biotest::reads;
using biotest::Sends;
using biotest::sends;

class DeviceExtras : public biotest::TcpTest {};

// The 66-byte request (command 125): bytes 0 and 1, then 0xFF.
Bytes request(uint8_t kind, uint8_t detail) {
    Bytes r(66, 0xFF);
    r[0] = kind;
    r[1] = detail;
    return r;
}

TEST_F(DeviceExtras, FirmwareVersionFieldsAndTheByte6Rule) {
    struct Case {
        int32_t result;  // of the receive
        Bytes answer;
        Bytes bytes;     // byte0, byte3..byte6 handed out
        uint16_t version;
        uint8_t code;
    } cases[] = {
        {40, {14, 0x03, 0x02, 4, 5, 6, 7, 8}, {14, 4, 5, 6, 7}, 0x0203, 0},
        {40, {13, 0x34, 0x12, 4, 5, 6, 7, 8}, {13, 4, 5, 6, 0}, 0x1234, 0},
        {21, {14, 1, 2, 3, 4, 5, 6}, {0, 0, 0, 0, 0}, 0, 1},  // a failed read gives zeros
    };
    for (const Case& c : cases) {
        tcp_.reset();
        tcp_.queue_answer(c.result, c.answer);
        uint8_t b[5] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        uint16_t version = 0xEEEE;
        EXPECT_EQ(c.code, api().ReceberVersaoFirmware(8, &b[0], &version, &b[1], &b[2], &b[3], &b[4]));
        EXPECT_EQ(c.bytes, Bytes(b, b + 5));
        EXPECT_EQ(c.version, version);
        EXPECT_EQ((Reads{{8, 250, 16}}), reads(tcp_));
    }
}

TEST_F(DeviceExtras, KeepAliveTimeGoesMostSignificantFirst) {
    const std::pair<int32_t, Bytes> cases[] = {
        {300, {0x00, 0x00, 0x01, 0x2C}}, {0x7FFFFFFF, {0x7F, 0xFF, 0xFF, 0xFF}}, {-1, {}}, {INT32_MIN, {}}};
    for (const auto& [time, payload] : cases) {
        tcp_.reset();
        EXPECT_EQ(payload.empty() ? 128 : 0, api().EnviarTempoKeepAliveRabbit(5, time)) << time;
        EXPECT_EQ((payload.empty() ? Sends{} : Sends{{5, 198, payload}}), sends(tcp_)) << time;
    }
}

// The write sends the counters high byte first, then reads the answer; a
// refused send asks for no answer.
TEST_F(DeviceExtras, CounterWriteCopiesTheValuesThenReadsTheAnswer) {
    tcp_.queue_answer(Bytes(66, 0));
    EXPECT_EQ(0, api().AtribuirContadorGiro(3, 0x04030201, 0x45230100, -1));
    Bytes expected = request(1, 1);
    const Bytes counters = {1, 2, 3, 4, 0x00, 0x01, 0x23, 0x45, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(counters.begin(), counters.end(), expected.begin() + 2);
    EXPECT_EQ((Sends{{3, 125, expected}}), sends(tcp_));
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().AtribuirContadorGiro(3, 1, 2, 3));
    tcp_.queue_answer(21, {});
    EXPECT_EQ(1, api().AtribuirContadorGiro(3, 1, 2, 3));
    EXPECT_EQ(Reads(2, {3, 225, 66}), reads(tcp_));
}

TEST_F(DeviceExtras, CounterReadTurnsBcdIntoValuesLeastSignificantFirst) {
    Bytes answer(66, 0);
    const Bytes counters = {0x00, 0x01, 0x23, 0x45, 0x99, 0x98, 0x76, 0x54, 0x12, 0x34, 0x56, 0x78};
    std::copy(counters.begin(), counters.end(), answer.begin() + 2);
    tcp_.queue_answer(answer);
    uint8_t c[3][5];
    std::memset(c, 0xEE, sizeof c);
    EXPECT_EQ(0, api().LerContadorGiro(3, c[0], c[1], c[2]));
    EXPECT_EQ((Sends{{3, 125, request(1, 2)}}), sends(tcp_));
    EXPECT_EQ(Bytes({45, 23, 1, 0, 0xEE}), Bytes(c[0], c[0] + 5));  // 4 bytes written
    EXPECT_EQ(Bytes({54, 76, 98, 99, 0xEE}), Bytes(c[1], c[1] + 5));
    EXPECT_EQ(Bytes({78, 56, 34, 12, 0xEE}), Bytes(c[2], c[2] + 5));

    std::memset(c, 0xEE, sizeof c);  // failures leave the areas alone
    tcp_.queue_answer(21, answer);
    EXPECT_EQ(1, api().LerContadorGiro(3, c[0], c[1], c[2]));
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().LerContadorGiro(3, c[0], c[1], c[2]));
    for (auto& row : c) EXPECT_EQ(Bytes(5, 0xEE), Bytes(row, row + 5));
}

TEST_F(DeviceExtras, SmartCardAreasAreCopiedAsReceived) {
    Bytes answer(66);
    for (int i = 0; i < 66; ++i) answer[i] = static_cast<uint8_t>(i);
    tcp_.queue_answer(answer);
    uint8_t r[4][17];
    std::memset(r, 0xEE, sizeof r);
    EXPECT_EQ(0, api().LerSmartCard(4, 0x33, r[0], r[1], r[2], r[3]));
    EXPECT_EQ((Sends{{4, 125, request(4, 0x33)}}), sends(tcp_));
    const std::pair<int, int> areas[] = {{2, 10}, {12, 16}, {28, 16}, {44, 16}};
    for (int i = 0; i < 4; ++i) {
        Bytes want(answer.begin() + areas[i].first, answer.begin() + areas[i].first + areas[i].second);
        want.resize(17, 0xEE);  // nothing past the area
        EXPECT_EQ(want, Bytes(r[i], r[i] + 17)) << i;
    }
    std::memset(r, 0xEE, sizeof r);
    tcp_.queue_answer(21, answer);
    EXPECT_EQ(1, api().LerSmartCard(4, 1, r[0], r[1], r[2], r[3]));
    EXPECT_EQ(Bytes(17, 0xEE), Bytes(r[0], r[0] + 17));
}

// The protocol option setters: what they store and return, and the start
// values as the operations that read them show.
class ProtocolFlags : public biotest::TcpTest {};

using Setter = int32_t(VARANDA_CALL*)(int32_t, int32_t);

TEST_F(ProtocolFlags, SettersStoreZeroOrOneAndTalkToNoTerminal) {
    const VarandaApi& a = api();
    for (Setter set : {a.SetarCorvoOld, a.Utilizar215, a.UtilizarRelogioSegundos, a.UtilizarCmdCurtoCatraca}) {
        const int32_t steps[][3] = {{0, 5, 1}, {7, 0, 0}, {1, -1, 1}, {-3, 0, 0}, {0, 0x10000, 1}};
        for (const auto& st : steps) EXPECT_EQ(st[2], set(st[0], st[1]));
    }
    EXPECT_TRUE(tcp_.calls().empty());
}

TEST_F(ProtocolFlags, StartValues) {
    // 215 on, short turnstile on, old terminal off (seconds on: see the clock tests).
    uint8_t b[8];
    char card[16];
    tcp_.queue_answer({0});
    EXPECT_EQ(128, api().ReceberDadosOnLine2(1, &b[0], &b[1], card, &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]));
    EXPECT_EQ(0, api().LiberarCatracaEntrada(1));
    tcp_.queue_answer({1, 2, 3});
    EXPECT_EQ(0, api().LerSensoresCorvo(1, &b[0], &b[1], &b[2]));
    auto calls = tcp_.calls();
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ(215, calls[0].ints[1]);
    EXPECT_EQ(24, calls[1].ints[1]);
    EXPECT_EQ(3, calls[2].ints[2]);
}

}  // namespace
