// EnviarRelogio, ReceberRelogio and EnviarHorarioVerao through the exports.
#include <cstring>

#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

class Clock : public testsupport::SdkTest {};

TEST_F(Clock, SetFallsBackToFiveBytes) {
    open_tcp_lib();
    struct Case {
        int32_t seconds_flag;
        std::vector<int32_t> results;  // of Envia_Dados, in order
        uint8_t code;
        std::vector<int32_t> commands;
    } cases[] = {
        {1, {21, 31}, 0, {117, 101}}, {1, {21, 21}, 1, {117, 101}}, {0, {31}, 0, {101}}, {0, {21}, 1, {101}},
    };
    const Bytes six = {15, 6, 26, 13, 45, 30};
    for (const Case& c : cases) {
        api().UtilizarRelogioSegundos(0, c.seconds_flag);
        tcp_.reset();
        for (int32_t r : c.results) tcp_.queue_result("Envia_Dados", r);
        EXPECT_EQ(c.code, api().EnviarRelogio(7, 15, 6, 26, 13, 45, 30));
        auto s = sent();
        ASSERT_EQ(c.commands.size(), s.size());
        for (size_t i = 0; i < s.size(); ++i) {
            EXPECT_EQ(c.commands[i], s[i].command);
            EXPECT_EQ(Bytes(six.begin(), six.begin() + (c.commands[i] == 117 ? 6 : 5)), s[i].data);
        }
    }
    api().FecharPortaComunicacao();
    api().UtilizarRelogioSegundos(0, 1);
    EXPECT_EQ(2, api().EnviarRelogio(7, 15, 6, 26, 13, 45, 30));  // the second attempt's code
}

TEST_F(Clock, ReadTriesSixBytesThenFive) {
    open_tcp_lib();
    struct Case {
        std::vector<std::pair<int32_t, Bytes>> answers;
        uint8_t code;
        Bytes out;  // 0xEE: left alone
        size_t requests;
    } cases[] = {
        {{{40, {15, 6, 26, 13, 45, 30}}}, 0, {15, 6, 26, 13, 45, 30}, 1},
        {{{40, {15, 6, 26, 13, 45, 75}}}, 0, {15, 6, 26, 13, 45, 0}, 1},  // second above 59 reads 0
        {{{21, {9, 9, 9, 9, 9, 9}}, {40, {1, 2, 3, 4, 5}}}, 0, {1, 2, 3, 4, 5, 0}, 2},
        {{{21, {9, 9, 9, 9, 9, 9}}, {21, {1, 2, 3, 4, 5}}}, 1, Bytes(6, 0xEE), 2},
    };
    for (const Case& c : cases) {
        tcp_.reset();
        for (const auto& a : c.answers) tcp_.queue_answer(a.first, a.second);
        uint8_t o[6];
        std::memset(o, 0xEE, sizeof o);
        EXPECT_EQ(c.code, api().ReceberRelogio(5, &o[0], &o[1], &o[2], &o[3], &o[4], &o[5]));
        EXPECT_EQ(c.out, Bytes(o, o + 6));
        auto rx = tcp_.calls("Recebe_Dados");
        ASSERT_EQ(c.requests, rx.size());
        EXPECT_EQ(217, rx[0].ints[1]);
        EXPECT_EQ(6, rx[0].ints[2]);
        if (c.requests == 2) {
            EXPECT_EQ(201, rx[1].ints[1]);
            EXPECT_EQ(5, rx[1].ints[2]);
        }
    }
}

// EnviarRelogio (117: day, month, year, hour, minute, second) and
// EnviarHorarioVerao (113: start and end day, month, year, hour, minute; hours
// up to 59, any year): each field checked in order before anything is sent.
TEST_F(Clock, SetAndDaylightSavingCheckEveryFieldBeforeSending) {
    open_tcp_lib();
    const std::pair<Bytes, uint8_t> cases[] = {
        {{31, 12, 99, 23, 59, 59}, 0}, {{1, 1, 0, 0, 0, 0}, 0},     {{0, 1, 0, 0, 0, 0}, 128},
        {{32, 1, 0, 0, 0, 0}, 128},    {{1, 13, 0, 0, 0, 0}, 129},  {{1, 0, 0, 0, 0, 0}, 129},
        {{1, 1, 100, 0, 0, 0}, 133},   {{1, 1, 0, 24, 0, 0}, 130},  {{1, 1, 0, 0, 60, 0}, 131},
        {{1, 1, 0, 0, 0, 60}, 132},    {{32, 1, 100, 0, 0, 0}, 128}, {{1, 1, 100, 24, 0, 0}, 133},
        {{1, 10, 26, 0, 0, 15, 2, 27, 0, 0}, 0},
        {{31, 12, 255, 45, 59, 31, 12, 200, 59, 59}, 0},
        {{0, 10, 26, 0, 0, 15, 2, 27, 0, 0}, 128},  {{1, 13, 26, 0, 0, 15, 2, 27, 0, 0}, 129},
        {{1, 10, 26, 60, 0, 15, 2, 27, 0, 0}, 130}, {{1, 10, 26, 0, 60, 15, 2, 27, 0, 0}, 131},
        {{1, 10, 26, 0, 0, 32, 2, 27, 0, 0}, 132},  {{1, 10, 26, 0, 0, 15, 0, 27, 0, 0}, 133},
        {{1, 10, 26, 0, 0, 15, 2, 27, 60, 0}, 134}, {{1, 10, 26, 0, 0, 15, 2, 27, 0, 60}, 135},
        {{1, 10, 26, 0, 60, 15, 0, 27, 0, 0}, 131},  // the first in offset order
    };
    for (const auto& [v, code] : cases) {
        tcp_.reset();
        const bool clock = v.size() == 6;
        EXPECT_EQ(code, clock ? api().EnviarRelogio(2, v[0], v[1], v[2], v[3], v[4], v[5])
                              : api().EnviarHorarioVerao(3, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]));
        auto s = sent();
        ASSERT_EQ(code == 0 ? 1u : 0u, s.size());
        if (code == 0) {
            EXPECT_EQ(clock ? 117 : 113, s[0].command);  // seconds on at start
            EXPECT_EQ(v, s[0].data);
        }
    }
}
}  // namespace
