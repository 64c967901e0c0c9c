// The commands that keep state of their own, handed straight to the terminal
// bank as the link would: the printer's markers, the clock's checks, the old
// schedule forms, the counters, both punch record forms and the online events.
#include "bank_test.h"

namespace corvo::sim {
namespace {

class Commands : public BankTest {};

TEST_F(Commands, Printer) {
    const std::string words = "Recibo 1";
    Bytes text = block(255, ' ', Bytes(words.begin(), words.end()));
    text[254] = 0x00;
    EXPECT_EQ(Status::Accepted, send(1, 109, text));
    text[254] = 0xFF;
    EXPECT_EQ(Status::Accepted, send(1, 127, text));
    EXPECT_NE(Status::Accepted, send(1, 109, text));  // marker of the other command
    const auto& printed = bank_.terminal(1).printed;
    ASSERT_EQ(2u, printed.size());
    EXPECT_EQ((std::pair<uint8_t, std::string>{0, "Recibo 1"}), printed[0]);
    EXPECT_EQ(255, printed[1].first);
}

TEST_F(Commands, ClockInBothForms) {
    EXPECT_EQ(Status::Accepted, send(1, 117, {7, 3, 26, 14, 5, 9}));
    EXPECT_EQ((Bytes{7, 3, 26, 14}), part(receive(1, 217, 6), 0, 4));
    const ClockTime c = terminal_clock(bank_.terminal(1));
    EXPECT_EQ((std::vector<int>{2026, 3, 7}), (std::vector<int>{c.year, c.month, c.day}));
    EXPECT_EQ(Status::Accepted, send(1, 101, {31, 12, 99, 23, 59}));
    EXPECT_EQ((Bytes{31, 12, 99}), part(receive(1, 201, 5), 0, 3));
    for (const Bytes& bad : {Bytes{0, 3, 26, 14, 5, 9}, Bytes{7, 13, 26, 14, 5, 9}, Bytes{7, 3, 100, 14, 5, 9},
                             Bytes{7, 3, 26, 24, 5, 9}, Bytes{7, 3, 26, 14, 60, 9}, Bytes{7, 3, 26, 14, 5, 60}})
        EXPECT_NE(Status::Accepted, send(1, 117, bad));
    sim("refuse 2 117,217");
    EXPECT_NE(Status::Accepted, send(2, 117, {7, 3, 26, 14, 5, 9}));
    EXPECT_FALSE(receive(2, 217, 6));
    EXPECT_TRUE(receive(2, 201, 5));
}

// The old terminals' halves of the tables (the full tables go through the SDK end to end).
TEST_F(Commands, OldScheduleForms) {
    Bytes access(2800, 0xFF);
    access[0] = 8;
    access[1] = 0;
    EXPECT_EQ(Status::Accepted, send(1, 103, access));
    const Terminal& t = bank_.terminal(1);
    EXPECT_EQ("old", t.access_schedules_form);
    EXPECT_EQ(access, Bytes(t.access_schedules.begin(), t.access_schedules.begin() + 2800));
    EXPECT_EQ(Bytes(t.access_schedules.size() - 2800, 0xFF), Bytes(t.access_schedules.begin() + 2800, t.access_schedules.end()));
    const Bytes sirens = block(300, 0, {6, 30, 0x41});
    EXPECT_EQ(Status::Accepted, send(1, 105, Bytes(sirens.begin(), sirens.begin() + 150)));
    EXPECT_EQ("old", t.sirens_form);
    EXPECT_EQ((Bytes{6, 30, 0x41}), Bytes(t.sirens.begin(), t.sirens.begin() + 3));
    EXPECT_NE(Status::Accepted, send(1, 105, sirens));
}

TEST_F(Commands, SensorsAndExtras) {
    sim("sensors 1 1 0 7");
    EXPECT_EQ((Bytes{1}), receive(1, 208, 1).value_or(Bytes{}));
    EXPECT_FALSE(receive(1, 208, 2));

    EXPECT_FALSE(receive(1, 225, 66));  // nothing asked yet
    Bytes write = block(66, 0xFF, {1, 1, 0x00, 0x01, 0x23, 0x45, 0, 0, 0, 0x09, 0x99, 0x99, 0x99, 0x99});
    EXPECT_EQ(Status::Accepted, send(1, 125, write));
    EXPECT_TRUE(receive(1, 225, 66));
    EXPECT_EQ(Status::Accepted, send(1, 125, block(66, 0xFF, {1, 2})));
    const auto counters = receive(1, 225, 66);
    EXPECT_EQ(part(write, 2, 13), part(counters, 2, 13));  // and 0xFF after them
    EXPECT_EQ(Status::Accepted, send(1, 125, block(66, 0xFF, {4, 2})));
    EXPECT_EQ((Bytes{4, 2}), part(receive(1, 225, 66), 0, 2));
    EXPECT_NE(Status::Accepted, send(1, 125, block(66, 0xFF, {9, 9})));
}

TEST_F(Commands, PunchesInBothRecordForms) {
    sim("pattern 1 0");
    sim("card 1 12345");
    sim("card 1 1234567890123456");
    EXPECT_EQ((Bytes{0, 2}), receive(1, 235, 2).value_or(Bytes{}));
    EXPECT_EQ((Bytes{0x39, 0x30, 0, 1}), part(receive(1, 204, 10), 6, 4));  // 12345 = 0x3039, low byte first
    EXPECT_FALSE(receive(1, 204, 12));
    EXPECT_EQ((Bytes{0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56, 0, 2}), part(receive(1, 204, 16), 6, 10));
    EXPECT_FALSE(receive(1, 204, 16));  // none left
    EXPECT_EQ(2u, bank_.terminal(1).punches_delivered);
}

TEST_F(Commands, OnlineEvents) {
    sim("online 1 1");
    EXPECT_EQ((Bytes{0}), receive(1, 215, 1).value_or(Bytes{}));
    EXPECT_FALSE(receive(1, 207, 22));
    sim("card 1 12345678901234");
    sim("card 1 1234567890123456 2");
    sim("keypad 1 42");
    EXPECT_EQ((Bytes{1}), receive(1, 215, 1).value_or(Bytes{}));
    EXPECT_EQ((Bytes{2, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4}), part(receive(1, 207, 22), 0, 16));
    const auto e = receive(1, 207, 22);
    EXPECT_EQ((Bytes{2, 2}), part(e, 0, 2));
    EXPECT_EQ((Bytes{5, 6}), part(e, 16, 2));
    EXPECT_EQ((Bytes{0xFF}), part(e, 20, 1));  // the 16-position form
    EXPECT_EQ((Bytes{3, 0, 4, 2, 0xFF}), part(receive(1, 207, 22), 0, 5));
    EXPECT_EQ((Bytes{0}), receive(1, 215, 1).value_or(Bytes{}));
    EXPECT_EQ(3u, bank_.terminal(1).events_delivered);
}

}  // namespace
}  // namespace corvo::sim
