// The tool's parsing, table by table: the command line, terminal lists, the
// access-list and schedule files, dates, configuration values, punch lines.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <tuple>

#include "args.h"
#include "card_list.h"
#include "config_fields.h"
#include "datetime.h"
#include "punch_format.h"
#include "schedule_file.h"
#include "text_file.h"

namespace vtool {
namespace {

using Env = std::map<std::string, std::string>;
Getenv getenv_of(const Env& env) {
    return [&env](const char* name) -> const char* {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    };
}

// Parsed and checked (a command's own options, serial-com's one terminal):
// the connection type, port, terminals and command words.
TEST(Arguments, OptionsAndEnvironment) {
    const std::vector<std::string> com2 = {"--type", "serial-com", "--terminal", "2", "ping"};
    const struct {
        std::vector<std::string> args;
        Env env;
        uint8_t type;
        int port;  // -1 none
        std::vector<int32_t> terminals;
        std::vector<std::string> words;
    } cases[] = {
        {{"ping"}, {}, 1, -1, {1}, {"ping"}},
        {{"--type", "serial", "--port", "3", "--terminal", "1,3,5-7", "ping"}, {}, 0, 3, {1, 3, 5, 6, 7}, {"ping"}},
        {{"--type=modem", "--port=4", "ping"}, {}, 3, 4, {1}, {"ping"}},
        {{"ping", "--type", "tcp-com"}, {}, 2, -1, {1}, {"ping"}},  // options after the command too
        {{"ping"}, {{"VARANDA_TYPE", "serial"}, {"VARANDA_PORT", "7"}, {"VARANDA_TERMINALS", "2-3"}}, 0, 7, {2, 3}, {"ping"}},
        {{"--port", "8", "ping"}, {{"VARANDA_PORT", "7"}}, 1, 8, {1}, {"ping"}},  // the option wins
        {{"display", "--", "-v"}, {}, 1, -1, {1}, {"display", "-v"}},
        {{"collect", "--out", "f.csv", "--max", "5"}, {}, 1, -1, {1}, {"collect"}},
        {{"access-list", "push", "f", "--card-digits", "10", "--card-pattern", "0"}, {}, 1, -1, {1}, {"access-list", "push", "f"}},
        {{"watch", "--grant", "relay2", "--allow", "a.csv"}, {}, 1, -1, {1}, {"watch"}},
        {{"display", "hi", "--seconds", "5"}, {}, 1, -1, {1}, {"display", "hi"}},
        {com2, {}, 4, -1, {2}, {"ping"}},
        {com2, {{"CORVO_SERIAL_COM_TERMINAL", "2"}}, 4, -1, {2}, {"ping"}},
        {{"--terminal", "1,2", "ping"}, {{"CORVO_SERIAL_COM_TERMINAL", "1"}}, 1, -1, {1, 2}, {"ping"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args) + testing::PrintToString(c.env));
        const Parsed p = parse_arguments(c.args, getenv_of(c.env));
        ASSERT_EQ("", p.error + check_command_options(p.options, c.words[0]) + check_serial_com(p.options, getenv_of(c.env)));
        EXPECT_EQ(c.type, p.options.type);
        EXPECT_EQ(c.port, p.options.port.value_or(-1));
        EXPECT_EQ(c.terminals, p.options.terminals);
        EXPECT_EQ(c.words, p.options.words);
    }
}

TEST(Arguments, RefusalsNameWhat) {
    const struct {
        std::vector<std::string> args;
        Env env;
        std::string error;  // a part of the message
    } cases[] = {
        {{"clock", "set", "now"}, {{"VARANDA_PORT", "x"}}, "VARANDA_PORT: port 'x'"},
        {{"--type", "usb", "ping"}, {}, "connection type 'usb'"},
        {{"--port", "65536", "ping"}, {}, "port '65536'"},
        {{"--port"}, {}, "needs a value"},
        {{"--bogus", "ping"}, {}, "unknown option '--bogus'"},
        {{"--json=1", "ping"}, {}, "takes no value"},
        {{"collect", "--max", "0"}, {}, "--max '0'"},
        {{"watch", "--grant", "door"}, {}, "--grant 'door'"},
        {{"ping", "--out", "f.csv"}, {}, "option --out does not belong to 'ping'"},
        {{"collect", "--card-digits", "10"}, {}, "option --card-digits does not belong to 'collect'"},
        {{"relay", "1", "--seconds", "5"}, {}, "option --seconds does not belong to 'relay'"},
        {{"--type", "serial-com", "--terminal", "2", "ping"}, {{"CORVO_SERIAL_COM_TERMINAL", "1"}},
         "CORVO_SERIAL_COM_TERMINAL=1 names another terminal than --terminal 2"},
        {{"--type", "serial-com", "--terminal", "1,2", "ping"}, {}, "serial-com reaches one terminal a line"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Parsed p = parse_arguments(c.args, getenv_of(c.env));
        const std::string error = !p.error.empty() ? p.error
                                                   : check_command_options(p.options, p.options.words[0]) +
                                                         check_serial_com(p.options, getenv_of(c.env));
        EXPECT_NE(std::string::npos, error.find(c.error)) << error;
    }
}

TEST(Arguments, TerminalLists) {
    const struct {
        std::string text;
        std::vector<int32_t> list;  // empty: refused
    } cases[] = {
        {"1", {1}}, {"1,3,5-8", {1, 3, 5, 6, 7, 8}}, {"4-4", {4}}, {"0", {0}}, {"5-1", {}}, {"x", {}}, {"", {}},
        {"1,", {}}, {"1,,2", {}}, {"-1", {}}, {"1-", {}}, {"1,1", {}}, {"1-3,2", {}}, {"1-1001", {}},
        {"2147483648", {}}, {"+1", {}}, {" 1", {}},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto list = parse_terminal_list(c.text, error);
        if (c.list.empty()) {
            EXPECT_FALSE(list) << c.text;
            EXPECT_FALSE(error.empty()) << c.text;
        } else {
            ASSERT_TRUE(list) << c.text << ": " << error;
            EXPECT_EQ(c.list, *list) << c.text;
        }
    }
}

TEST(CardListFile, LinesAreCheckedAndTheFirstBadOneNamed) {
    const struct {
        std::string text;
        uint8_t pattern;
        std::string error;  // "" parses
        std::size_t cards;
    } cases[] = {
        {"card,schedule\n# staff\n123,1\n0456 , 2 # night\r\n\n789,102\n", 1, "", 3},
        {"1,1\n2,2", 1, "", 2},  // no header, no final end of line
        {"65000,1\n", 0, "", 1},
        {"", 1, "a.csv: no cards", 0}, {"card,schedule\n# nothing\n", 1, "a.csv: no cards", 0},
        {"1,1\n12a4,1\n", 1, "a.csv:2: card '12a4' is not a number", 0},
        {"1,1\n-5,1\n", 1, "a.csv:2: card '-5' is not a number", 0},
        {"1,0\n", 1, "a.csv:1: schedule '0' out of range (1 to 102)", 0},
        {"1,103\n", 1, "a.csv:1: schedule '103' out of range", 0}, {"1,x\n", 1, "a.csv:1: schedule 'x' out of range", 0},
        {"1\n", 1, "a.csv:1: expected card,schedule", 0}, {"1,2,3\n", 1, "a.csv:1: expected card,schedule", 0},
        {"17,1\n\n0017,2\n", 1, "a.csv:3: card 0017 repeats line 1", 0},
        {"12345678901234567,1\n", 1, "a.csv:1: card 12345678901234567 has 17 digits", 0},
        {"65001,1\n", 0, "a.csv:1: card 65001 is above 65000", 0},
        {"123456,1\n", 0, "a.csv:1: card 123456 is above 65000", 0},
        // As spreadsheets write it: a byte-order mark, quotes, ';' between fields.
        {"\xEF\xBB\xBF\"card\";\"schedule\"\r\n\"0123\";\"7\"\r\n456;8\r\n", 1, "", 2},
        {"\"1,5\",1\n", 1, "a.csv:1: card '1,5' is not a number", 0},
        {"1\xC3\xA9,1\n", 1, "a.csv:1: card '1\\xc3\\xa9' is not a number", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CardList l = parse_card_list(c.text, "a.csv", CardRules{c.pattern, true});
        if (c.error.empty()) {
            EXPECT_EQ("", l.error);
            EXPECT_EQ(c.cards, l.entries.size());
        } else {
            EXPECT_EQ(0u, l.error.find(c.error)) << l.error;
        }
    }
    const CardList l = parse_card_list("card,schedule\n123,1\n0456,2\n", "a.csv", CardRules{});
    ASSERT_EQ(2u, l.entries.size());
    EXPECT_EQ(std::make_tuple(std::string("0456"), 2, 3), std::tie(l.entries[1].card, l.entries[1].schedule, l.entries[1].line));
    EXPECT_EQ("", check_card_lengths(l, "a.csv", 4));
    EXPECT_EQ("a.csv:3: card 0456 has 4 digits, too many for the configured card length of 3",
              check_card_lengths(l, "a.csv", 3));
    // The allow list of watch: cards alone.
    EXPECT_EQ(2u, parse_card_list("111\n222,5\n", "b.csv", CardRules{1, false}).entries.size());
}

TEST(ScheduleFileText, EntriesAndErrors) {
    const ScheduleFile f = parse_schedule_file(
        "# office\naccess 1 1-5 08:00 12:00 13:00 18:00\naccess 2 6,7 9:30\nsiren 06:30 1,7\n", "s.txt");
    ASSERT_EQ("", f.error);
    ASSERT_EQ(7u, f.access.size());
    ASSERT_EQ(std::make_tuple(4u, 1u), std::make_tuple(f.access[0].times.size(), f.sirens.size()));
    using Time = std::pair<uint8_t, uint8_t>;
    EXPECT_EQ(std::make_tuple(5, Time{13, 0}, Time{9, 30}), std::tie(f.access[4].day, f.access[0].times[2], f.access[6].times[0]));
    EXPECT_EQ((std::array<uint8_t, 7>{1, 0, 0, 0, 0, 0, 1}), f.sirens[0].days);
    const struct {
        std::string text, error;
    } bad[] = {
        {"", "s.txt: no schedules"},
        {"access 101 1 08:00\n", "s.txt:1: schedule '101' out of range"},
        {"access 1 0 08:00\n", "s.txt:1: days '0'"}, {"access 1 5-2 08:00\n", "s.txt:1: days '5-2'"},
        {"access 1 1 24:00\n", "s.txt:1: time '24:00'"}, {"access 1 1 08:60\n", "s.txt:1: time '08:60'"},
        {"access 1 1 8\n", "s.txt:1: time '8'"}, {"access 1 1 1:1:1\n", "s.txt:1: time '1:1:1'"},
        {"access 1 1\n", "s.txt:1: expected: access"},
        {"access 1 1 1:00 2:00 3:00 4:00 5:00\n", "s.txt:1: expected: access"},
        {"access 1 1-3 08:00\n\naccess 1 3 09:00\n", "s.txt:3: schedule 1 day 3 given twice"},
        {"siren 08:00\n", "s.txt:1: expected: siren"}, {"door 1 1 08:00\n", "s.txt:1: 'door'"},
    };
    for (const auto& c : bad) EXPECT_EQ(0u, parse_schedule_file(c.text, "s.txt").error.find(c.error)) << c.text;
    std::string many;
    for (int i = 0; i < 101; ++i) many += "siren 08:00 1\n";
    EXPECT_EQ("s.txt:101: more than 100 siren times", parse_schedule_file(many, "s.txt").error);
}

TEST(DateTimes, IsoTextsWithinTheTerminalsCentury) {
    const struct {
        std::string text;
        bool seconds, ok;
    } cases[] = {
        {"2026-12-06T19:30:05", true, true}, {"2024-02-29T00:00:00", true, true}, {"2025-02-29T00:00:00", true, false},
        {"2026-04-31T00:00:00", true, false}, {"1999-12-31T23:59:59", true, false}, {"2100-01-01T00:00:00", true, false},
        {"2026-12-06T24:00:00", true, false}, {"2026-12-06T19:30", true, false},     {"2026-12-06 19:30:05", true, false},
        {"2026-12-06T19:30", false, true},    {"2026-13-06T19:30", false, false},    {"2026-12-06T19:30:00", false, false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.ok, parse_datetime(c.text, c.seconds).has_value()) << c.text;
    const DateTime d = *parse_datetime("2026-02-03T04:05:06", true);
    EXPECT_EQ(std::make_pair(2026, 6), std::make_pair(int(d.year), int(d.second)));
}

TEST(ConfigFieldValues, WrittenIntoTheRecordImageAndReadBack) {
    const struct {
        std::string key, value;
        std::vector<std::pair<int, uint8_t>> bytes;  // record bytes afterwards; empty: refused
        std::string shown;
    } cases[] = {
        {"mode", "online", {{0, 1}}, "online"}, {"mode", "on", {}, ""},
        {"card-digits", "16", {{14, 16}}, "16"}, {"card-digits", "0", {}, ""},
        {"company-code", "999", {{9, 0xE7}, {10, 0x03}}, "999"}, {"company-code", "1000", {}, ""},
        {"master-card", "12345", {{25, 0}, {29, 0x01}, {30, 0x23}, {31, 0x45}}, "12345"},
        {"master-card", "none", {{31, 0}}, "none"},
        {"master-card", "123456789012345", {}, ""}, {"master-card", "1A3", {}, ""},
        {"master-card-release", "yes", {{18, 0}}, "yes"}, {"master-card-release", "no", {{18, 1}}, "no"},
        {"bio-enrolment", "no", {{40, 1}}, "no"}, {"keypad", "on", {{1, 1}}, "on"},
        {"card-lengths", "1,16", {{42, 0x80}, {43, 0x01}}, "1,16"},
        {"card-lengths", "8-10", {{42, 0x03}, {43, 0x80}}, "8,9,10"},
        {"card-lengths", "17", {}, ""}, {"sensor3-event", "5", {{36, 5}}, "5"}, {"sensor3-time", "51", {}, ""},
        {"relay1-time", "50", {{4, 50}}, "50"}, {"wiegand-two-readers", "3", {{44, 3}}, "3"},
        {"encryption", "255", {{47, 255}}, "255"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key + "=" + c.value);
        const ConfigField* f = find_config_field(c.key);
        ASSERT_NE(nullptr, f);
        uint8_t r[kRecordSize];
        std::memset(r, 0xAA, sizeof r);
        const bool ok = f->put(c.value, r);
        EXPECT_EQ(!c.bytes.empty(), ok);
        if (!ok) {
            for (uint8_t b : r) EXPECT_EQ(0xAA, b);  // a refused value leaves the image as it was
            continue;
        }
        for (const auto& [at, v] : c.bytes) EXPECT_EQ(v, r[at]) << "byte " << at;
        EXPECT_EQ(c.shown, f->get(r));
    }
    uint8_t fresh[kRecordSize] = {};
    fresh[9] = fresh[10] = 0xFF;
    EXPECT_EQ("unset", find_config_field("company-code")->get(fresh));
    // Every byte but the two reserved ones has its key.
    for (int b = 0; b < kRecordSize; ++b) EXPECT_EQ(b == 21 || b == 22, config_key_of_byte(b).empty()) << b;
}

TEST(PunchLines, CsvAndJson) {
    Punch p;
    p.terminal = 3, p.type = 1, p.day = 6, p.month = 12, p.year = 26, p.hour = 7, p.minute = 5;
    std::memcpy(p.card, "0000000001000139", 16);
    EXPECT_EQ("3,1,2026-12-06,07:05,0000000001000139\n", punch_csv(p));
    EXPECT_EQ("{\"terminal\":3,\"type\":1,\"date\":\"2026-12-06\",\"time\":\"07:05\",\"card\":\"0000000001000139\"}\n",
              punch_json(p));
    std::memset(p.card, 0, sizeof p.card);
    std::memcpy(p.card, "12345", 5);  // card pattern 0: decimal, zero bytes behind
    EXPECT_EQ("3,1,2026-12-06,07:05,12345\n", punch_csv(p));
}

TEST(DisplayText, Utf8ToTheTerminalsCodePage) {
    const struct {
        std::string in, out, lacking;
    } cases[] = {
        {"Caf\xC3\xA9 ok", "Caf\xE9 ok", ""}, {"5 \xE2\x82\xAC", "5 ?", "\\xe2\\x82\\xac"}, {"a\xFF" "b", "a?b", "\\xff"},
    };
    for (const auto& c : cases) {
        std::string lacking;
        EXPECT_EQ(c.out, display_bytes(c.in, lacking)) << c.in;
        EXPECT_EQ(c.lacking, lacking) << c.in;
    }
}

}  // namespace
}  // namespace vtool
