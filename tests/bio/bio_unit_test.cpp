// The fingerprint module's wire helpers, the held events, and the records
// that carry the local time, built with the time fixed.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "api/facade.h"
#include "events/held_online_events.h"
#include "bio/pair_code.h"
#include "fake_backend.h"
#include "platform/system.h"
#include "facade_calls.h"

namespace {

using Bytes = std::vector<uint8_t>;
using varanda::platform::LocalTime;

TEST(BioWire, PairCode) {
    struct Case {
        const char* text;
        Bytes code;
    } cases[] = {
        {"12345", {1, 1, 1, 1, 1, 2, 0x24, 0x46}},
        {"7", {1, 1, 1, 1, 1, 1, 1, 8}},
        {"", {1, 1, 1, 1, 1, 1, 1, 1}},
        {"FF", {1, 1, 1, 1, 1, 1, 1, 0}},
        {"1G", {1, 1, 1, 1, 1, 1, 1, 2}},   // a non-hex character ends the number
        {"G1", {1, 1, 1, 1, 1, 1, 1, 1}},
        {"fedcba9876543210", {0xFF, 0xDD, 0xBB, 0x99, 0x77, 0x55, 0x33, 0x11}},
    };
    for (const Case& c : cases) {
        Bytes out(9, 0xEE);
        ASSERT_TRUE(varanda::encode_pair_code(c.text, out.data())) << c.text;
        EXPECT_EQ(c.code, Bytes(out.begin(), out.begin() + 8)) << c.text;
        EXPECT_EQ(0xEE, out[8]);
    }
    Bytes out(8, 0xEE);
    EXPECT_FALSE(varanda::encode_pair_code("12345678901234567", out.data()));
    EXPECT_EQ(Bytes(8, 0xEE), out);

    const uint8_t back[][2] = {{0x01, 0}, {0x1A, 19}, {0x00, 255}, {0x24, 23}, {0x46, 45}, {0x9A, 99}, {0xFF, 164}};
    for (const auto& k : back) EXPECT_EQ(k[1], varanda::decode_pair_code_byte(k[0])) << int(k[0]);
}

TEST(HeldEvents, PerTerminalInArrivalOrderWithTheOldestDroppedWhenFull) {
    varanda::HeldOnlineEvents held;
    const size_t n = varanda::HeldOnlineEvents::kPerTerminal;
    for (size_t i = 0; i < n + 3; ++i) {
        varanda::OnlineEventRecord e;
        e.bytes[0] = 2;
        e.bytes[2] = static_cast<uint8_t>(i);
        held.hold(3, e);
    }
    varanda::OnlineEventRecord other;
    other.bytes[0] = 13;
    held.hold(4, other);
    EXPECT_EQ(n, held.size(3));
    EXPECT_EQ(1u, held.size(4));

    varanda::OnlineEventRecord out;
    EXPECT_FALSE(held.take_first(3, [](const varanda::OnlineEventRecord& e) { return e.origin() == 13; }, out));
    EXPECT_EQ(n, held.size(3));
    for (size_t i = 3; i < n + 3; ++i) {
        ASSERT_TRUE(held.take_oldest(3, out));
        EXPECT_EQ(i, out.bytes[2]);
    }
    EXPECT_FALSE(held.take_oldest(3, out));
    ASSERT_TRUE(held.take_oldest(4, out));
    EXPECT_EQ(13, out.origin());
}

// Operations driven on a facade of their own, against the fake TCP library,
// with the local time fixed.
class BioFixedTime : public ::testing::Test {
protected:
    void SetUp() override {
        tcp_.reset();
        varanda::platform::set_local_time_source([] { return LocalTime{2026, 3, 7, 14, 5, 9, 6}; });
        ASSERT_EQ(0, f_.connection().SetConnectionType(1));
        ASSERT_EQ(0, f_.connection().OpenPort(1));
        tcp_.reset();
    }
    void TearDown() override { varanda::platform::set_local_time_source(nullptr); }

    // The command and payload of the last send.
    std::pair<int32_t, Bytes> last_sent() {
        auto c = tcp_.calls("Envia_Dados");
        return c.empty() ? std::pair<int32_t, Bytes>{} : std::pair{c.back().ints[1], c.back().data};
    }

    testsupport::FakeBackend tcp_{testsupport::kTcpLib};
    varanda::ApiFacade f_;
};

// The user record goes as it is (command 121), the time after it; the
// fingerprint record (command 131) holds the time at 40..47.
TEST_F(BioFixedTime, RecordsCarryTheBcdTime) {
    const Bytes time = {0x20, 0x26, 0x03, 0x07, 0x14, 0x05, 0x09, 0x00};
    Bytes record(836);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(i ^ 0x5A);
    ASSERT_EQ(0, varanda::via::EnviarUsuarioBio(f_, 3, record.data()));
    record.insert(record.end(), time.begin(), time.end());
    EXPECT_EQ(std::pair(121, record), last_sent());

    ASSERT_EQ(0, varanda::via::EnviarDigitalUsuario(f_, 3, "12345", record.data(), nullptr));
    const auto [command, sent] = last_sent();
    EXPECT_EQ(131, command);
    ASSERT_EQ(472u, sent.size());
    EXPECT_EQ(time, Bytes(sent.begin() + 40, sent.begin() + 48));
}

}  // namespace
