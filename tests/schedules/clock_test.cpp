// EnviarRelogio, ReceberRelogio and EnviarHorarioVerao through the exports.
#include <cstring>

#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

class Clock : public testsupport::SdkTest {};

TEST_F(Clock, SetChecksEveryFieldBeforeSending) {
    open_tcp_lib();
    struct Case {
        Bytes fields;  // day, month, year, hour, minute, second
        uint8_t code;
    } cases[] = {
        {{31, 12, 99, 23, 59, 59}, 0}, {{1, 1, 0, 0, 0, 0}, 0},
        {{0, 1, 0, 0, 0, 0}, 128},     {{32, 1, 0, 0, 0, 0}, 128},
        {{1, 0, 0, 0, 0, 0}, 129},     {{1, 13, 0, 0, 0, 0}, 129},
        {{1, 1, 100, 0, 0, 0}, 133},   {{1, 1, 0, 24, 0, 0}, 130},
        {{1, 1, 0, 0, 60, 0}, 131},    {{1, 1, 0, 0, 0, 60}, 132},
        {{32, 1, 100, 0, 0, 0}, 128},  // the day is checked first
        {{1, 1, 100, 24, 0, 0}, 133},  // the year before the hour
        {{1, 1, 0, 24, 60, 60}, 130},
    };
    for (const Case& c : cases) {
        tcp_.reset();
        const Bytes& v = c.fields;
        EXPECT_EQ(c.code, api().EnviarRelogio(2, v[0], v[1], v[2], v[3], v[4], v[5]));
        auto s = sent();
        if (c.code != 0) {
            EXPECT_TRUE(s.empty());
            continue;
        }
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(117, s[0].command);
        EXPECT_EQ(v, s[0].data);
    }
}

TEST_F(Clock, SetFallsBackToFiveBytes) {
    open_tcp_lib();
    struct Case {
        const char* what;
        int32_t seconds_flag;
        std::vector<int32_t> results;  // Envia_Dados, in order
        uint8_t code;
        std::vector<int32_t> commands;
    } cases[] = {
        {"with seconds", 1, {31}, 0, {117}},
        {"117 refused, 101 taken", 1, {21, 31}, 0, {117, 101}},
        {"both refused", 1, {21, 21}, 1, {117, 101}},
        {"seconds off", 0, {31}, 0, {101}},
        {"seconds off, refused", 0, {21}, 1, {101}},
    };
    const Bytes six = {15, 6, 26, 13, 45, 30};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        api().UtilizarRelogioSegundos(0, c.seconds_flag);
        tcp_.reset();
        for (int32_t r : c.results) tcp_.queue_result("Envia_Dados", r);
        EXPECT_EQ(c.code, api().EnviarRelogio(7, 15, 6, 26, 13, 45, 30));
        auto s = sent();
        ASSERT_EQ(c.commands.size(), s.size());
        for (size_t i = 0; i < s.size(); ++i) {
            EXPECT_EQ(c.commands[i], s[i].command);
            EXPECT_EQ(7, s[i].terminal);
            EXPECT_EQ(c.commands[i] == 117 ? six : Bytes(six.begin(), six.begin() + 5), s[i].data);
        }
    }
    api().FecharPortaComunicacao();
    api().UtilizarRelogioSegundos(0, 1);
    EXPECT_EQ(2, api().EnviarRelogio(7, 15, 6, 26, 13, 45, 30));  // the second attempt's code
}

TEST_F(Clock, ReadTriesSixBytesThenFive) {
    open_tcp_lib();
    struct Case {
        const char* what;
        std::vector<std::pair<int32_t, Bytes>> answers;
        uint8_t code;
        Bytes out;  // 0xEE: left alone
        std::vector<std::pair<int32_t, int32_t>> requests;
    } cases[] = {
        {"six bytes", {{40, {15, 6, 26, 13, 45, 30}}}, 0, {15, 6, 26, 13, 45, 30}, {{217, 6}}},
        {"second 75 reads 0", {{40, {15, 6, 26, 13, 45, 75}}}, 0, {15, 6, 26, 13, 45, 0}, {{217, 6}}},
        {"second 59 kept", {{40, {1, 2, 3, 4, 5, 59}}}, 0, {1, 2, 3, 4, 5, 59}, {{217, 6}}},
        {"only 201 answers", {{21, {9, 9, 9, 9, 9, 9}}, {40, {1, 2, 3, 4, 5}}}, 0, {1, 2, 3, 4, 5, 0},
         {{217, 6}, {201, 5}}},
        {"neither answers", {{21, {9, 9, 9, 9, 9, 9}}, {21, {1, 2, 3, 4, 5}}}, 1, Bytes(6, 0xEE),
         {{217, 6}, {201, 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        for (const auto& a : c.answers) tcp_.queue_answer(a.first, a.second);
        uint8_t o[6];
        std::memset(o, 0xEE, sizeof o);
        EXPECT_EQ(c.code, api().ReceberRelogio(5, &o[0], &o[1], &o[2], &o[3], &o[4], &o[5]));
        EXPECT_EQ(c.out, Bytes(o, o + 6));
        std::vector<std::pair<int32_t, int32_t>> requests;
        for (const auto& r : tcp_.calls("Recebe_Dados")) requests.emplace_back(r.ints[1], r.ints[2]);
        EXPECT_EQ(c.requests, requests);
    }
    uint8_t o[6];
    for (int k = 1; k <= 6; ++k) {
        uint8_t* p[6] = {&o[0], &o[1], &o[2], &o[3], &o[4], &o[5]};
        p[k - 1] = nullptr;
        EXPECT_EQ(128 + k, api().ReceberRelogio(5, p[0], p[1], p[2], p[3], p[4], p[5]));
    }
    EXPECT_EQ(2u, tcp_.calls().size());  // only the last case's two requests
    api().FecharPortaComunicacao();
    EXPECT_EQ(2, api().ReceberRelogio(5, &o[0], &o[1], &o[2], &o[3], &o[4], &o[5]));
}

TEST_F(Clock, DaylightSavingBoundsAndPayload) {
    open_tcp_lib();
    struct Case {
        Bytes fields;
        uint8_t code;
    } cases[] = {
        {{1, 10, 26, 0, 0, 15, 2, 27, 0, 0}, 0},
        {{31, 12, 255, 45, 59, 31, 12, 200, 59, 59}, 0},  // hour up to 59, any year
        {{0, 10, 26, 0, 0, 15, 2, 27, 0, 0}, 128},
        {{1, 13, 26, 0, 0, 15, 2, 27, 0, 0}, 129},
        {{1, 10, 26, 60, 0, 15, 2, 27, 0, 0}, 130},
        {{1, 10, 26, 0, 60, 15, 2, 27, 0, 0}, 131},
        {{1, 10, 26, 0, 0, 32, 2, 27, 0, 0}, 132},
        {{1, 10, 26, 0, 0, 15, 0, 27, 0, 0}, 133},
        {{1, 10, 26, 0, 0, 15, 2, 27, 60, 0}, 134},
        {{1, 10, 26, 0, 0, 15, 2, 27, 0, 60}, 135},
        {{1, 10, 26, 0, 60, 15, 0, 27, 0, 0}, 131},  // first in offset order
    };
    for (const Case& c : cases) {
        tcp_.reset();
        const Bytes& v = c.fields;
        EXPECT_EQ(c.code, api().EnviarHorarioVerao(3, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]));
        auto s = sent();
        if (c.code != 0) {
            EXPECT_TRUE(s.empty());
            continue;
        }
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(113, s[0].command);
        EXPECT_EQ(v, s[0].data);
    }
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().EnviarHorarioVerao(3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1));
}

}  // namespace
