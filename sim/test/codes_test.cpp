// The emulator's encodings, its control commands, and the bounds of what a
// terminal keeps for the host.
#include <gtest/gtest.h>

#include <string>

#include "sim/codes.h"
#include "sim/control.h"
#include "sim/events.h"
#include "sim/json_writer.h"

namespace corvo::sim {
namespace {

TEST(Codes, PackedForms) {
    struct Case {
        const char* id;
        Bytes pair_code;  // fingerprint record
        Bytes ossel;      // Ossel, 8 bytes
    } cases[] = {
        {"12345", {1, 1, 1, 1, 1, 0x02, 0x24, 0x46}, {0x12, 0x34, 0x5F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"7", {1, 1, 1, 1, 1, 1, 1, 0x08}, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"1234567890123456", {0x13, 0x35, 0x57, 0x79, 0x91, 0x13, 0x35, 0x57}, {0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Bytes p(8), o(8);
        put_pair_code(p.data(), c.id);
        put_ossel_id(o.data(), o.size(), c.id);
        EXPECT_EQ(c.pair_code, p);
        EXPECT_EQ(c.ossel, o);
        EXPECT_EQ(c.id, strip_zeros(pair_code_digits(p.data(), 8)));
        EXPECT_EQ(c.id, ossel_id(o.data(), 8));
    }
}

TEST(Codes, BcdAndText) {
    uint8_t b[7];
    put_bcd(b, 7, 123456);
    EXPECT_EQ("00000000123456", bcd_digits(b, 7));
    put_bcd(b, 2, 123456);  // the low digits only
    EXPECT_EQ("3456", bcd_digits(b, 2));
    const uint8_t odd[2] = {0x1A, 0xF0};
    EXPECT_EQ("1AF0", bcd_digits(odd, 2));
    EXPECT_EQ("0", strip_zeros("0000"));
    EXPECT_EQ("120", strip_zeros("00120"));
    EXPECT_EQ(12345u, decimal_value("1x2345"));
    EXPECT_EQ("0000000042", zero_padded("42", 10));
    EXPECT_EQ("345", zero_padded("12345", 3));
}

TEST(Control, NumberLists) {
    struct Case {
        const char* text;
        bool ok;
        std::set<long> values;
    } cases[] = {
        {"1", true, {1}},      {"1,3,5-7", true, {1, 3, 5, 6, 7}}, {"7-5", false, {}}, {"300", false, {}},
        {"1,,2", false, {}},   {"a", false, {}},                   {"-1", false, {}},
    };
    for (const Case& c : cases) {
        std::set<long> got;
        EXPECT_EQ(c.ok, parse_number_list(c.text, 0, 255, got)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.values, got) << c.text;
        }
    }
    // The count is checked before a range is expanded.
    std::set<long> terminals;
    EXPECT_TRUE(parse_number_list("1-9999,10000", 0, 0xFFFFFFFFL, terminals, 10000));
    EXPECT_FALSE(parse_number_list("1-100000000", 0, 0xFFFFFFFFL, terminals, 10000));
    terminals.clear();
    EXPECT_FALSE(parse_number_list("1-10000,20000", 0, 0xFFFFFFFFL, terminals, 10000));
}

TEST(Control, CommandsChangeTheTerminalOrAreRefused) {
    TerminalBank bank;
    struct Case {
        const char* line;
        bool ok;
    } cases[] = {
        {"ping", true},           {"card 1 123", true},          {"card 1 12a", false},
        {"card 1 12345678901234567", false},                      {"punches 2 10", true},
        {"punches 2 -1", false},  {"sensors 1 1 2 3", true},     {"sensors 1 1 2 256", false},
        {"pattern 1 2", false},   {"refuse 1 117,217", true},    {"refuse 1 300", false},
        {"online 1 1", true},     {"bio-user 1 42 2", true},     {"bio-user 1 42 3", false},
        {"ossel-user 1 12 34", true}, {"nonsense", false},       {"dump x", false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.ok, control_command(bank, c.line).reply == "ok") << c.line;
    const Terminal& t1 = bank.terminal(1);
    EXPECT_EQ(1u, t1.punches.size());  // the card, shown offline
    EXPECT_EQ(10u, bank.terminal(2).punches.size());
    EXPECT_EQ((std::set<uint8_t>{117, 217}), t1.refused);
    EXPECT_TRUE(t1.online);
    EXPECT_EQ(2u, t1.bio.users.at("42").templates.size());
    ASSERT_EQ(1u, t1.ossel.users.size());
    EXPECT_TRUE(control_command(bank, "stop").stop);
}

TEST(Json, EscapesEveryByteOutsidePrintableAscii) {
    Json j;
    j.begin_object().field("a", std::string("x\"\\\x01\xFE", 5)).key("b").begin_array().value(1).value(true).end_array().end_object();
    EXPECT_EQ("{\"a\":\"x\\\"\\\\\\u0001\\u00fe\",\"b\":[1,true]}", j.str());
}

// Control commands that would make a terminal beyond the cap make none.
TEST(Control, CommandsForNewTerminalsBeyondTheCapAreRefused) {
    TerminalBank bank;
    bank.max_terminals = 2;
    EXPECT_EQ("ok", control_command(bank, "punches 1 3").reply);
    EXPECT_EQ("ok", control_command(bank, "card 2 55").reply);
    EXPECT_EQ("error already 2 terminals (--max-terminals)", control_command(bank, "card 4000000000 55").reply);
    EXPECT_EQ("error already 2 terminals (--max-terminals)", control_command(bank, "dump 3").reply);
    EXPECT_EQ(2u, bank.terminals().size());
    EXPECT_EQ("ok", control_command(bank, "punches 1 1").reply);
    EXPECT_EQ(4u, bank.terminal(1).punches.size());
}

TEST(Bounds, QueuesAndModulesStopAtTheirBounds) {
    Terminal t(1);
    for (std::size_t i = 0; i <= kMaxQueuedEvents; ++i) push_event(t, kOriginKeypad, 0, "1");
    EXPECT_EQ(kMaxQueuedEvents, t.events.size());
    for (std::size_t i = 0; i <= kMaxQueuedBioAnswers; ++i) bio_answer(t, 0, {});
    EXPECT_EQ(kMaxQueuedBioAnswers, t.bio.answers.size());
    TerminalBank bank;
    for (std::size_t u = 1; u <= kMaxBioUsers; ++u) control_command(bank, "bio-user 1 " + std::to_string(u) + " 0");
    EXPECT_EQ("error the fingerprint module is full (1000 users)", control_command(bank, "bio-user 1 99999").reply);
    EXPECT_EQ("ok", control_command(bank, "bio-user 1 5 2").reply);  // a user it holds changes still
    for (std::size_t u = 1; u <= kMaxOsselUsers; ++u) control_command(bank, "ossel-user 1 " + std::to_string(u));
    EXPECT_EQ("error the Ossel module is full (1000 users)", control_command(bank, "ossel-user 1 99999").reply);
}

}  // namespace
}  // namespace corvo::sim
