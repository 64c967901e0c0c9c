// The site file: a good one read whole, and each kind of mistake reported
// with its line and reason.
#include <gtest/gtest.h>

#include <tuple>

#include "site.h"

namespace collector {
namespace {

constexpr const char* kGood = R"([collector]
name = "north"
interval = 60
clock = "03:30"

[connection]
type = "tcp"
port = 3000

[store]
url = "postgresql://varanda@db/punches"

[status]
listen = "0.0.0.0:8080"
token = "s3cret"

[[terminal]]
numbers = "1-3,7"
address = "10.0.0.5:3001"
card_digits = 8
card_pattern = 0
model = "old"

[[terminal]]
numbers = [9, "11-12"]
time_zone = "UTC"
)";

TEST(SiteFile, AGoodFileIsReadWhole) {
    std::vector<std::string> errors;
    const auto site = parse_site(kGood, "site.toml", errors);
    ASSERT_TRUE(site) << (errors.empty() ? "" : errors[0]);
    using std::string;
    EXPECT_EQ(std::make_tuple(string("north"), 60, string("03:30"), 1, string("postgresql://varanda@db/punches")),
              std::make_tuple(site->name, site->interval_s, site->clock, int(site->connection_type()), site->store));
    ASSERT_EQ(site->terminals.size(), 7u);
    const SiteTerminal &seventh = site->terminals[3], &twelfth = site->terminals[6];
    EXPECT_EQ(std::make_tuple(int64_t{7}, string("10.0.0.5:3001"), 0, 8, Model::Old, 17),
              std::tie(seventh.number, seventh.address, seventh.card_pattern, seventh.card_digits, seventh.model, seventh.line));
    EXPECT_EQ(std::make_tuple(int64_t{12}, string("UTC"), 14, 1),
              std::tie(twelfth.number, twelfth.time_zone, twelfth.card_digits, twelfth.card_pattern));
}

// Each case: the file's text and the one message expected.
TEST(SiteFile, EachMistakeIsReportedWithItsLine) {
    const std::string ok_tail = "[store]\nurl = \"s.db\"\n[[terminal]]\nnumbers = 1\n";
    const struct {
        std::string text, message;
    } cases[] = {
        {"[collector\n", "site.toml: line 1: "},
        {"[collector]\ninterval = \"often\"\n" + ok_tail, "site.toml: line 2: collector.interval: expected a whole number"},
        {"[collector]\ninterval = 0\n" + ok_tail, "site.toml: line 2: collector.interval: must be 1..86400"},
        {"[collector]\nspeed = 3\n" + ok_tail, "site.toml: line 2: unknown key 'speed' in [collector]"},
        {"[colector]\n" + ok_tail, "site.toml: line 1: unknown section [colector]"},
        {"[connection]\ntype = \"usb\"\n" + ok_tail,
         "site.toml: line 2: connection.type: 'usb' is not one of serial, tcp, tcp-com, serial-com"},
        {"[collector]\nclock = \"25:00\"\n" + ok_tail, "site.toml: line 2: collector.clock: expected never, each-pass or HH:MM"},
        {"[status]\nlisten = \"0.0.0.0:80\"\n" + ok_tail,
         "site.toml: line 2: status.listen is not on this machine only: status.token is required"},
        {"[[terminal]]\nnumbers = 1\n", "site.toml: line 1: store.url is missing: a SQLite file or a postgresql:// URL"},
        {"[store]\nurl = \"s.db\"\n", "site.toml: line 1: no [[terminal]] section: the site file names no terminal to collect"},
        {ok_tail + "[[terminal]]\nnumbers = \"1-2\"\n", "site.toml: line 5: terminal 1 is named twice (also on line 3)"},
        {ok_tail + "[[terminal]]\nnumbers = \"5-x\"\n", "site.toml: line 6: terminal.numbers: "},
        {ok_tail + "[[terminal]]\nnumbers = 5\naddress = \"host\"\n",
         "site.toml: line 5: address 'host' is not HOST:PORT (port 1..65535)"},
        {ok_tail + "[[terminal]]\nnumbers = 5\ncard_digits = 17\n", "site.toml: line 7: terminal.card_digits: must be 1..16"},
        {ok_tail + "[[terminal]]\nnumbers = 5\ncard_pattern = 2\n", "site.toml: line 7: terminal.card_pattern: must be 0..1"},
        {ok_tail + "[[terminal]]\nnumbers = 5\ntime_zone = \"Mars/Base\"\n",
         "site.toml: line 7: terminal.time_zone: unknown time zone 'Mars/Base'"},
        {ok_tail + "[[terminal]]\ncard_pattern = 1\n", "site.toml: line 5: [[terminal]] without numbers"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> errors;
        EXPECT_FALSE(parse_site(c.text, "site.toml", errors)) << c.text;
        ASSERT_EQ(errors.size(), 1u) << c.text << (errors.empty() ? "" : "\n" + errors[0] + "\n" + errors.back());
        EXPECT_EQ(errors[0].rfind(c.message, 0), 0u) << errors[0];
    }
}

TEST(SiteFile, AMissingFileIsSaid) {
    std::vector<std::string> errors;
    EXPECT_FALSE(read_site("/nonexistent/site.toml", errors));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "/nonexistent/site.toml: cannot read the site file (No such file or directory)");
}

}  // namespace
}  // namespace collector
