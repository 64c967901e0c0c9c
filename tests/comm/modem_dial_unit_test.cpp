// The dial text, and ConectarModem's calls, waits, verdicts and whole-second
// time-out with a clock the test drives (the fake serial library answers).
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "api/facade.h"
#include "comm/modem_dial.h"
#include "fake_backend.h"
#include "platform/clock_source.h"
#include "facade_calls.h"

namespace {

using varanda::modem::DialText;

TEST(ModemDialText, FormatsToneAndPulseAndRefusesWhatDoesNotFit) {
    const std::string longest(495, '1');
    const std::string too_long(496, '1');
    struct Case {
        bool tone;
        const char* number;
        bool ok;
        std::string text;
    } cases[] = {
        {true, "5551234", true, "ATDT5551234"},
        {false, "5551234", true, "ATDP5551234"},
        {false, longest.c_str(), true, "ATDP" + longest},
        {true, too_long.c_str(), false, ""},
        {true, "", false, ""},
        {true, nullptr, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DialText out;
        out.fill('#');
        ASSERT_EQ(c.ok, varanda::modem::format_dial_command(c.tone, c.number, out));
        if (c.ok) {
            EXPECT_EQ(c.text, std::string(out.data()));
            EXPECT_EQ('\0', out.back());
        } else {
            EXPECT_EQ('#', out[0]);  // nothing written
        }
    }
}

// A tick that moves only when the code sleeps; `step` ms of tick per ms of
// sleep. It throws once far more time has passed than any dial may take, so
// that a wait that never ends fails the test instead of hanging it.
class FakeClock final : public varanda::platform::ClockSource {
public:
    FakeClock(uint32_t start, uint32_t step) : now_(start), step_(step) {}
    uint32_t tick_ms() override { return now_; }
    void sleep_ms(uint32_t ms) override {
        sleeps.push_back(ms);
        now_ += ms * step_;
        slept_ += static_cast<uint64_t>(ms) * step_;
        if (slept_ > 10ull * 60 * 1000) throw std::runtime_error("the dial did not end");
    }
    std::vector<uint32_t> sleeps;

private:
    uint32_t now_;
    uint32_t step_;
    uint64_t slept_ = 0;
};

class ModemDialClock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(serial_.present());
        serial_.reset();
        tcp_.reset();
        ASSERT_EQ(0, facade_.connection().SetConnectionType(3));
    }
    void TearDown() override { facade_.connection().ClosePort(); }

    int32_t dial(FakeClock& clock, const char* init = "ATZ", const char* number = "123", int32_t port = 1) {
        varanda::platform::ScopedClockSource use(clock);
        return varanda::via::ConectarModem(facade_, port, init, 1, number, 7);
    }
    // The serial library's calls but Le_Modem, one letter each.
    std::string entries() const {
        std::string out;
        for (const testsupport::FakeCall& c : serial_.calls()) {
            if (c.entry != "Le_Modem") out += c.entry == "Envia_Dados" ? 'P' : c.entry[0];
        }
        return out;
    }

    testsupport::FakeBackend serial_{testsupport::kSerialLib};
    testsupport::FakeBackend tcp_{testsupport::kTcpLib};
    varanda::ApiFacade facade_;
};

TEST_F(ModemDialClock, WithoutAnAnswerTheWaitEndsAfterSixtyWholeSeconds) {
    // The deadline starts after the 100 ms and 200 ms waits; one read per
    // loop, each followed by a 1 ms sleep.
    struct Case {
        uint32_t first_tick;  // when ConectarModem starts
        uint32_t step;
        size_t reads;
    } cases[] = {
        {4700, 1, 61000},                 // loop starts at 5000: seconds 5 to 65
        {5699, 1, 60001},                 // starts at 5999: the last ms of its second
        {0xFFFFFFFFu - 2299u, 1, 60704},  // starts 296 ms into its second; the tick wraps 2 s later
        {2900, 7, 8715},                  // coarser tick (the 300 ms of waits take 2100): starts at 5000
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first_tick);
        serial_.reset();
        FakeClock clock(c.first_tick, c.step);
        EXPECT_EQ(-1, dial(clock));
        EXPECT_EQ(c.reads, serial_.calls("Le_Modem").size());
        EXPECT_TRUE(serial_.calls("Envia_Dados").empty());  // no ping
        facade_.connection().ClosePort();
    }
}

// Close, open the modem entry at 2400 baud, the initialisation and dial
// texts, then up to three pings (terminal, command 10, no payload).
TEST_F(ModemDialClock, VerdictsWaitsAndPings) {
    struct Case {
        const char* what;
        std::vector<int32_t> modem;  // Le_Modem results in order
        std::vector<int32_t> sends;  // Envia_Dados results of the pings
        int32_t open;  // InicializaComModem result
        int32_t init;  // Modem_Str result of the initialisation text
        int32_t result;
        std::vector<uint32_t> sleeps;
        const char* entries;  // F FinalizaCom, I InicializaComModem, M Modem_Str, P a ping
    } cases[] = {
        {"busy at once", {7}, {}, 1, 0, 7, {100, 200, 1}, "FIMM"},
        {"busy after two empty reads", {-1, -1, 7}, {}, 1, 0, 7, {100, 200, 1, 1, 1}, "FIMM"},
        {"no carrier", {3}, {}, 1, 0, 3, {100, 200, 1}, "FIMM"},
        {"first ping answers", {1}, {31}, 1, 0, 1, {100, 200, 1, 100}, "FIMMP"},
        {"connect code 0 counts as a connection", {0}, {31}, 1, 0, 1, {100, 200, 1, 100}, "FIMMP"},
        {"third ping answers", {10}, {21, 0, 31}, 1, 0, 1, {100, 200, 1, 100, 100, 100}, "FIMMPPP"},
        {"no ping answers", {1}, {21, 21, 21}, 1, 0, -1, {100, 200, 1, 100, 100, 100}, "FIMMPPP"},
        {"port does not open", {}, {}, 0, 0, -1, {}, "FI"},
        {"initialisation refused", {}, {}, 1, 3, -1, {100}, "FIM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        serial_.reset();
        for (int32_t v : c.modem) serial_.queue_result("Le_Modem", v);
        for (int32_t v : c.sends) serial_.queue_result("Envia_Dados", v);
        serial_.queue_result("InicializaComModem", c.open);
        serial_.queue_result("Modem_Str", c.init);
        FakeClock clock(1000, 1);
        EXPECT_EQ(c.result, dial(clock));
        EXPECT_EQ(c.sleeps, clock.sleeps);
        EXPECT_EQ(c.entries, entries());
        EXPECT_EQ(c.modem.size(), serial_.calls("Le_Modem").size());
        const std::vector<std::string> texts = {"ATZ", "ATDT123"};
        const auto sent = serial_.calls("Modem_Str");
        for (size_t i = 0; i < sent.size(); ++i) EXPECT_EQ(texts.at(i), sent[i].text());
        for (const testsupport::FakeCall& p : serial_.calls("Envia_Dados")) {
            EXPECT_EQ((std::vector<int32_t>{7, 10, 0}), std::vector<int32_t>(p.ints, p.ints + 3));
        }
        const auto open = serial_.calls("InicializaComModem");
        ASSERT_EQ(1u, open.size());
        EXPECT_EQ(1, open[0].ints[0]);
        EXPECT_EQ(2400, open[0].ints[1]);
        facade_.connection().ClosePort();
    }
}

// A missing text or number is refused before anything (the open port stays
// open); a dial closes the open port and opens the one it names.
TEST_F(ModemDialClock, RefusalsTouchNothingAndADialReopensThePort) {
    const std::string fits(495, '7');
    const std::string too_long(496, '7');
    struct Case {
        const char* init;
        const char* number;
        int32_t result;
    } cases[] = {{nullptr, "123", -2}, {"", "123", -2}, {"", too_long.c_str(), -2}, {"ATZ", nullptr, -3}};
    ASSERT_EQ(0, facade_.connection().OpenPort(2));
    serial_.reset();
    FakeClock clock(1000, 1);
    for (const Case& c : cases) EXPECT_EQ(c.result, dial(clock, c.init, c.number));
    EXPECT_TRUE(serial_.calls().empty());
    EXPECT_EQ(3, varanda::via::AbrirPortaComunicacao(facade_, 2));

    serial_.queue_result("Le_Modem", 6);
    EXPECT_EQ(6, dial(clock, "ATZ", fits.c_str(), 3));  // the longest number is dialled whole
    EXPECT_EQ("FIMM", entries());
    EXPECT_EQ("ATDT" + fits, serial_.calls("Modem_Str")[1].text());
    EXPECT_EQ(3, serial_.calls("InicializaComModem")[0].ints[0]);
    EXPECT_EQ(3, varanda::via::AbrirPortaComunicacao(facade_, 3));  // left open after the dial
}

TEST_F(ModemDialClock, OnTheTcpLibraryTheInitialisationFails) {
    ASSERT_EQ(0, facade_.connection().SetConnectionType(1));
    FakeClock clock(1000, 1);
    EXPECT_EQ(-1, dial(clock));
    EXPECT_TRUE(serial_.calls().empty());
    EXPECT_EQ(1u, tcp_.calls("InicializaCom").size());  // the plain open
}

}  // namespace
