// Access schedules and siren times through the exports: what each insert
// stores and the exact table each send hands to the back end (the reset
// after every send: PreparedBlocks in offline_messages_test.cpp).
#include <vector>

#include "sdk_test.h"

namespace {

constexpr size_t kAccessSize = 5600;
constexpr size_t kSirenSize = 300;

class Schedules : public testsupport::SdkTest {
protected:
    // The one payload sent since the last call, checked for its command.
    std::vector<uint8_t> only_send(int32_t command, size_t length) {
        auto s = sent();
        EXPECT_EQ(1u, s.size());
        if (s.size() != 1) return {};
        EXPECT_EQ(command, s[0].command);
        EXPECT_EQ(length, s[0].data.size());
        tcp_.reset();
        return s[0].data;
    }
    std::vector<uint8_t> access_reset() const { return std::vector<uint8_t>(kAccessSize, 0xFF); }
    std::vector<uint8_t> siren_reset() const { return std::vector<uint8_t>(kSirenSize, 0); }
};

// Schedule 1..100, day 1..7, time 1..4, hour, minute: the first bad argument
// gives its code and stores nothing; a good one stores hour and minute at
// (schedule - 1) * 56 + (day - 1) * 8 + (time - 1) * 2, the same place again
// overwriting.
TEST_F(Schedules, AccessInsertChecksEachArgumentAndWritesAtItsOffset) {
    struct Case {
        uint8_t schedule, day, time, hour, minute;
        uint8_t code;
        size_t offset;  // when stored
    } cases[] = {
        {1, 1, 1, 0, 0, 0, 0},       {1, 1, 2, 7, 30, 0, 2},       {1, 2, 1, 8, 1, 0, 8},
        {2, 1, 1, 9, 2, 0, 56},      {50, 7, 4, 12, 45, 0, 2798},  {51, 1, 1, 13, 0, 0, 2800},
        {100, 7, 4, 23, 59, 0, 5598}, {1, 1, 2, 17, 5, 0, 2},
        // Refusals after the stores, so that a stray store shows.
        {0, 1, 1, 0, 0, 128, 0},     {101, 1, 1, 0, 0, 128, 0},    {0, 0, 0, 24, 60, 128, 0},  // the first bad one wins
        {1, 0, 1, 0, 0, 129, 0},     {1, 8, 1, 0, 0, 129, 0},      {1, 8, 5, 24, 60, 129, 0},
        {1, 1, 0, 0, 0, 130, 0},     {1, 1, 5, 0, 0, 130, 0},      {1, 1, 5, 24, 60, 130, 0},
        {1, 1, 1, 24, 0, 131, 0},    {1, 1, 1, 255, 60, 131, 0},   {1, 1, 1, 0, 60, 132, 0},
        {1, 1, 1, 0, 255, 132, 0},
    };
    open_tcp_lib();
    std::vector<uint8_t> expected = access_reset();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.schedule) << " " << int(c.day) << " " << int(c.time) << " "
                                        << int(c.hour) << " " << int(c.minute));
        EXPECT_EQ(c.code, api().InserirHorarioAcesso(c.schedule, c.day, c.time, c.hour, c.minute));
        if (c.code == 0) {
            expected[c.offset] = c.hour;
            expected[c.offset + 1] = c.minute;
        }
    }
    EXPECT_EQ(0, api().EnviarHorariosAcesso(42));
    EXPECT_EQ(42, sent()[0].terminal);
    EXPECT_EQ(expected, only_send(111, kAccessSize));
}

TEST_F(Schedules, SirenInsertBuildsTheMaskAndRefusesBadTimes) {
    struct Case {
        uint8_t hour, minute;
        uint8_t flags[7];
        uint8_t code;
        uint8_t mask;  // when stored
    } cases[] = {
        {6, 30, {1, 0, 0, 0, 0, 0, 7}, 0, 0x41},
        {0, 0, {0, 0, 0, 0, 0, 0, 0}, 0, 0x00},
        {23, 59, {255, 1, 1, 1, 1, 1, 1}, 0, 0x7F},
        {12, 0, {0, 2, 0, 3, 0, 0, 0}, 0, 0x0A},
        {24, 0, {1, 1, 1, 1, 1, 1, 1}, 128, 0},
        {0, 60, {1, 1, 1, 1, 1, 1, 1}, 128, 0},  // a bad minute is 128 too
        {255, 255, {0, 0, 0, 0, 0, 0, 0}, 128, 0},
    };
    open_tcp_lib();
    std::vector<uint8_t> expected = siren_reset();
    size_t at = 0;
    for (const Case& c : cases) {
        const uint8_t* f = c.flags;
        EXPECT_EQ(c.code, api().InserirHorarioSirene(c.hour, c.minute, f[0], f[1], f[2], f[3], f[4], f[5], f[6]))
            << int(c.hour) << ":" << int(c.minute);
        if (c.code == 0) {
            expected[at++] = c.hour;
            expected[at++] = c.minute;
            expected[at++] = c.mask;
        }
    }
    EXPECT_EQ(0, api().EnviarHorariosSirene(9));
    EXPECT_EQ(9, sent()[0].terminal);
    EXPECT_EQ(expected, only_send(112, kSirenSize));
}

TEST_F(Schedules, SirenTableHoldsOneHundredAndRefusesTheNext) {
    open_tcp_lib();
    std::vector<uint8_t> expected = siren_reset();
    for (int i = 0; i < 100; ++i) {
        const uint8_t h = static_cast<uint8_t>(i % 24), m = static_cast<uint8_t>(i % 60);
        ASSERT_EQ(0, api().InserirHorarioSirene(h, m, 1, 0, 0, 0, 0, 0, 0)) << i;
        expected[i * 3] = h;
        expected[i * 3 + 1] = m;
        expected[i * 3 + 2] = 1;
    }
    EXPECT_EQ(128, api().InserirHorarioSirene(1, 1, 1, 1, 1, 1, 1, 1, 1));
    EXPECT_EQ(0, api().EnviarHorariosSirene(1));
    EXPECT_EQ(expected, only_send(112, kSirenSize));  // (the count reset by a send: PreparedBlocks)
}

TEST_F(Schedules, OldTerminalsGetTheFirstHalfUnderOtherCommands) {
    open_tcp_lib();
    ASSERT_EQ(1, api().SetarCorvoOld(0, 1));
    EXPECT_EQ(128, api().InserirHorarioAcesso(51, 1, 1, 0, 0));
    ASSERT_EQ(0, api().InserirHorarioAcesso(50, 7, 4, 23, 59));
    EXPECT_EQ(0, api().EnviarHorariosAcesso(1));
    std::vector<uint8_t> access = access_reset();
    access.resize(2800);
    access[2798] = 23;
    access[2799] = 59;
    EXPECT_EQ(access, only_send(103, 2800));

    for (int i = 0; i < 51; ++i) ASSERT_EQ(0, api().InserirHorarioSirene(1, 2, 1, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(0, api().EnviarHorariosSirene(1));
    auto got = only_send(105, 150);  // the 51st was stored but is not sent
    for (size_t i = 0; i + 3 <= got.size(); i += 3) {
        EXPECT_EQ((std::vector<uint8_t>{1, 2, 1}), std::vector<uint8_t>(got.begin() + i, got.begin() + i + 3)) << i;
    }

    ASSERT_EQ(0, api().SetarCorvoOld(0, 0));
    ASSERT_EQ(0, api().InserirHorarioAcesso(51, 1, 1, 0, 0));
    EXPECT_EQ(0, api().EnviarHorariosSirene(1));
    EXPECT_EQ(siren_reset(), only_send(112, kSirenSize));  // the old send consumed all 51
}

}  // namespace
