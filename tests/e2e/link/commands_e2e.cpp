// Every command the terminal knows, spoken over the link: what it accepts,
// what it refuses, and the state it keeps.
#include <functional>

#include "link_fixture.h"

namespace e2e {
namespace {

class Commands : public LinkTest {};

TEST_F(Commands, ActionCommandsTakeNoPayload) {
    const uint8_t known[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23, 24, 26, 27, 28};
    for (uint8_t code : known) {
        SCOPED_TRACE(int(code));
        EXPECT_EQ(Outcome::Accepted, send(1, code, {}));
        EXPECT_EQ(Outcome::Refused, send(1, code, {0}));
    }
    for (uint8_t code : {0, 19, 20, 25, 29, 99, 200, 255}) EXPECT_EQ(Outcome::Refused, send(1, code, {})) << int(code);
    const JsonValue s = dump(1);
    EXPECT_EQ(2, s["turnstile"]["entry"].num());  // 13 and 24
    EXPECT_EQ(2, s["turnstile"]["exit"].num());       // 12 and 23
    EXPECT_EQ(1, s["turnstile"]["both"].num());
    EXPECT_FALSE(s["relays"][0]["held"].boolean());  // 4 then 6
    EXPECT_TRUE(s["online"].boolean());              // 26
    EXPECT_EQ(1, s["commands"]["10"].num());
}

TEST_F(Commands, BlocksAreKeptAsSent) {
    Bytes config(50, 0);
    config[0] = 1;
    config[9] = 0xE7;
    config[10] = 0x03;
    config[14] = 10;
    config[41] = 1;
    Bytes messages = block(416, ' ', text_bytes("Bom dia"));
    Bytes change = block(77, ' ', {0xFE});
    for (int i = 64; i < 76; ++i) change[static_cast<std::size_t>(i)] = 0xFF;
    change[64] = 8;
    change[65] = 30;
    change[76] = 1;
    struct Case {
        uint8_t code;
        Bytes payload;
        std::function<void(const JsonValue&)> check;
    } cases[] = {
        {100, config, [](const JsonValue& s) {
             EXPECT_EQ(999, s["config"]["company_code"].num());
             EXPECT_EQ(10, s["config"]["card_digits"].num());
             EXPECT_TRUE(s["online"].boolean());
         }},
        {106, messages, [](const JsonValue& s) { EXPECT_EQ("Bom dia         ", s["offline_messages"][0]["line1"].str()); }},
        {134, change, [](const JsonValue& s) {
             EXPECT_EQ(254, s["change_events"]["entry"]["control"].num());
             EXPECT_EQ("081effffffffffffffffffff", s["change_events"]["times"].str());
             EXPECT_EQ(1, s["change_events"]["arrow_keys"].num());
         }},
        {128, {0x16, 0, 0, 0x56, 0, 0, 0, 0, 0, 3}, [](const JsonValue& s) { EXPECT_EQ("16000056000000000003", s["function_keys"].str()); }},
        {114, block(72, 0, {2, 10, 0xB9}), [](const JsonValue& s) { EXPECT_EQ("020ab9", s["online_change"].str().substr(0, 6)); }},
        {107, {0, 0, 9, 0, 0}, [](const JsonValue& s) { EXPECT_EQ("0000090000", s["entry_forms"].str()); }},
        {104, block(33, ' ', text_bytes("Entre")) /* byte 32 is a space: temporary */, [](const JsonValue& s) {
             EXPECT_EQ("Entre           ", s["display_temporary"]["line1"].str());
             EXPECT_EQ(32, s["display_time"].num());
         }},
        {113, {1, 11, 26, 0, 0, 20, 2, 27, 0, 0}, [](const JsonValue& s) { EXPECT_EQ("010b1a000014021b0000", s["daylight_saving"].str()); }},
        {198, {0, 0, 1, 0x2C}, [](const JsonValue& s) { EXPECT_EQ(300, s["keep_alive"].num()); }},
        {151, block(26, 7), [](const JsonValue& s) { EXPECT_EQ(52u, s["tlm"].str().size());
             EXPECT_EQ("070707", s["tlm"].str().substr(0, 6)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.code));
        EXPECT_EQ(Outcome::Accepted, send(1, c.code, c.payload));
        Bytes longer = c.payload;
        longer.push_back(0);
        EXPECT_EQ(Outcome::Refused, send(1, c.code, longer));
        c.check(dump(1));
    }
    // Read back what a terminal keeps whole.
    EXPECT_EQ(config, receive(1, 200, 50).value_or(Bytes{}));
    EXPECT_EQ(messages, receive(1, 206, 416).value_or(Bytes{}));
    EXPECT_FALSE(receive(1, 200, 49));
}

TEST_F(Commands, Printer) {
    Bytes text = block(255, ' ', text_bytes("Recibo 1"));
    text[254] = 0x00;
    EXPECT_EQ(Outcome::Accepted, send(1, 109, text));
    text[254] = 0xFF;
    EXPECT_EQ(Outcome::Accepted, send(1, 127, text));
    EXPECT_EQ(Outcome::Refused, send(1, 109, text));  // marker of the other command
    const JsonValue s = dump(1);
    ASSERT_EQ(2u, s["printed"].size());
    EXPECT_EQ("Recibo 1", s["printed"][0]["text"].str());
    EXPECT_EQ(0, s["printed"][0]["marker"].num());
    EXPECT_EQ(255, s["printed"][1]["marker"].num());
}

TEST_F(Commands, ClockInBothForms) {
    EXPECT_EQ(Outcome::Accepted, send(1, 117, {7, 3, 26, 14, 5, 9}));
    auto six = receive(1, 217, 6);
    ASSERT_TRUE(six);
    EXPECT_EQ((Bytes{7, 3, 26, 14}), Bytes(six->begin(), six->begin() + 4));
    EXPECT_EQ("2026-03-07", dump(1)["clock"]["date"].str());
    EXPECT_EQ(Outcome::Accepted, send(1, 101, {31, 12, 99, 23, 59}));
    auto five = receive(1, 201, 5);
    ASSERT_TRUE(five);
    EXPECT_EQ(31, (*five)[0]);
    EXPECT_EQ(99, (*five)[2]);
    for (const Bytes& bad : {Bytes{0, 3, 26, 14, 5, 9}, Bytes{7, 13, 26, 14, 5, 9}, Bytes{7, 3, 100, 14, 5, 9},
                             Bytes{7, 3, 26, 24, 5, 9}, Bytes{7, 3, 26, 14, 60, 9}, Bytes{7, 3, 26, 14, 5, 60}})
        EXPECT_EQ(Outcome::Refused, send(1, 117, bad));
    sim("refuse 2 117,217");
    EXPECT_EQ(Outcome::Refused, send(2, 117, {7, 3, 26, 14, 5, 9}));
    EXPECT_FALSE(receive(2, 217, 6));
    EXPECT_TRUE(receive(2, 201, 5));
}

TEST_F(Commands, Schedules) {
    Bytes access(5600, 0xFF);
    access[5598] = 23;
    access[5599] = 59;
    access[0] = 8;
    access[1] = 0;
    EXPECT_EQ(Outcome::Accepted, send(1, 111, access));
    auto s = dump(1)["access_schedules"];
    EXPECT_EQ("full", s["form"].str());
    ASSERT_EQ(2u, s["times"].size());
    EXPECT_EQ("08:00", s["times"][0]["time"].str());
    EXPECT_EQ(100, s["times"][1]["schedule"].num());
    EXPECT_EQ(7, s["times"][1]["day"].num());
    EXPECT_EQ(4, s["times"][1]["slot"].num());
    EXPECT_EQ(Outcome::Accepted, send(1, 103, Bytes(access.begin(), access.begin() + 2800)));
    s = dump(1)["access_schedules"];
    EXPECT_EQ("old", s["form"].str());
    EXPECT_EQ(1u, s["times"].size());

    Bytes sirens(300, 0);
    sirens[0] = 6;
    sirens[1] = 30;
    sirens[2] = 0x41;
    EXPECT_EQ(Outcome::Accepted, send(1, 112, sirens));
    s = dump(1)["sirens"];
    ASSERT_EQ(1u, s["times"].size());
    EXPECT_EQ("06:30", s["times"][0]["time"].str());
    EXPECT_EQ(65, s["times"][0]["weekdays"].num());
    EXPECT_EQ(Outcome::Accepted, send(1, 105, Bytes(sirens.begin(), sirens.begin() + 150)));
    EXPECT_EQ(Outcome::Refused, send(1, 105, sirens));
}

TEST_F(Commands, SensorsAndExtras) {
    sim("sensors 1 1 0 7");
    EXPECT_EQ((Bytes{1, 0, 7}), receive(1, 208, 3).value_or(Bytes{}));
    EXPECT_EQ((Bytes{1}), receive(1, 208, 1).value_or(Bytes{}));
    EXPECT_FALSE(receive(1, 208, 2));

    EXPECT_FALSE(receive(1, 225, 66));  // nothing asked yet
    Bytes write = block(66, 0xFF, {1, 1, 0x00, 0x01, 0x23, 0x45, 0, 0, 0, 0x09, 0x99, 0x99, 0x99, 0x99});
    EXPECT_EQ(Outcome::Accepted, send(1, 125, write));
    EXPECT_TRUE(receive(1, 225, 66));
    EXPECT_EQ(Outcome::Accepted, send(1, 125, block(66, 0xFF, {1, 2})));
    auto counters = receive(1, 225, 66);
    ASSERT_TRUE(counters);
    EXPECT_EQ(Bytes(write.begin() + 2, write.begin() + 14), Bytes(counters->begin() + 2, counters->begin() + 14));
    EXPECT_EQ(0xFF, (*counters)[14]);
    EXPECT_EQ(Outcome::Accepted, send(1, 125, block(66, 0xFF, {4, 2})));
    auto card = receive(1, 225, 66);
    ASSERT_TRUE(card);
    EXPECT_EQ(4, (*card)[0]);
    EXPECT_EQ(2, (*card)[1]);
    EXPECT_EQ(Outcome::Refused, send(1, 125, block(66, 0xFF, {9, 9})));

    auto firmware = receive(1, 250, 16);
    ASSERT_TRUE(firmware);
    EXPECT_EQ(14, (*firmware)[0]);
}

TEST_F(Commands, PunchesInBothRecordForms) {
    sim("pattern 1 0");
    sim("card 1 12345");
    sim("card 1 1234567890123456");
    EXPECT_EQ((Bytes{0, 2}), receive(1, 235, 2).value_or(Bytes{}));
    auto short_form = receive(1, 204, 10, false);
    ASSERT_TRUE(short_form);
    EXPECT_EQ(0x39, (*short_form)[6]);  // 12345 = 0x3039, low byte first
    EXPECT_EQ(0x30, (*short_form)[7]);
    EXPECT_EQ((Bytes{0, 1}), Bytes(short_form->begin() + 8, short_form->end()));
    EXPECT_FALSE(receive(1, 204, 12, false));
    auto long_form = receive(1, 204, 16, false);
    ASSERT_TRUE(long_form);
    EXPECT_EQ((Bytes{0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56, 0, 2}), Bytes(long_form->begin() + 6, long_form->end()));
    EXPECT_FALSE(receive(1, 204, 16, false));  // none left
    EXPECT_EQ(2, dump(1)["punches"]["delivered"].num());
}

TEST_F(Commands, OnlineEvents) {
    sim("online 1 1");
    EXPECT_EQ((Bytes{0}), receive(1, 215, 1).value_or(Bytes{}));
    EXPECT_FALSE(receive(1, 207, 22));
    sim("card 1 12345678901234");
    sim("card 1 1234567890123456 2");
    sim("keypad 1 42");
    EXPECT_EQ((Bytes{1}), receive(1, 215, 1).value_or(Bytes{}));
    auto e = receive(1, 207, 22);
    ASSERT_TRUE(e);
    EXPECT_EQ((Bytes{2, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4}), Bytes(e->begin(), e->begin() + 16));
    e = receive(1, 207, 22);
    ASSERT_TRUE(e);
    EXPECT_EQ(2, (*e)[1]);
    EXPECT_EQ(5, (*e)[16]);
    EXPECT_EQ(6, (*e)[17]);
    EXPECT_EQ(0xFF, (*e)[20]);  // the 16-position form
    e = receive(1, 207, 22);
    ASSERT_TRUE(e);
    EXPECT_EQ((Bytes{3, 0, 4, 2, 0xFF}), Bytes(e->begin(), e->begin() + 5));
    EXPECT_EQ((Bytes{0}), receive(1, 215, 1).value_or(Bytes{}));
    EXPECT_EQ(3, dump(1)["events"]["delivered"].num());
}

}  // namespace
}  // namespace e2e
