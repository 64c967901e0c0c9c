// The schedule and access-list operations on a facade built here, with the
// card pattern, the digit count and the old-terminal flag set directly in
// their groups, sending through the fake TCP library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/facade.h"
#include "fake_backend.h"
#include "facade_calls.h"

namespace {

using Bytes = std::vector<uint8_t>;
namespace via = varanda::via;

class SchedulesOps : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tcp_.present());
        ASSERT_EQ(0, f_.connection().SetConnectionType(1));
        ASSERT_EQ(0, f_.connection().OpenPort(1));
        tcp_.reset();
    }
    struct Sent {
        int32_t command;
        Bytes data;
    };
    std::vector<Sent> sent() {
        std::vector<Sent> out;
        for (const auto& c : tcp_.calls("Envia_Dados")) out.push_back({c.ints[1], c.data});
        tcp_.reset();
        return out;
    }
    void set(uint8_t pattern, uint8_t digits, bool old) {
        f_.card_pattern.value = pattern;
        f_.config.bytes[14] = digits;
        f_.protocol.old_terminal = old ? 1 : 0;
    }

    varanda::ApiFacade f_;
    testsupport::FakeBackend tcp_{testsupport::kTcpLib};
};

TEST_F(SchedulesOps, PatternZeroListGoesCountedWithThreeByteEntries) {
    set(0, 14, false);
    ASSERT_EQ(0, via::InserirUsuarioListaAcesso(f_, "65000", 1));
    ASSERT_EQ(0, via::InserirUsuarioListaAcesso(f_, "1", 2));
    ASSERT_EQ(0, via::InserirUsuarioListaAcesso(f_, "258", 3));
    EXPECT_EQ(129, via::InserirUsuarioListaAcesso(f_, std::string(100'000, '1').c_str(), 1));
    EXPECT_EQ(3u, f_.access_list.entries.size());
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 1));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(115, s[0].command);
    EXPECT_EQ((Bytes{0x00, 0x09, 0xE8, 0xFD, 0x01, 0x01, 0x00, 0x02, 0x02, 0x01, 0x03}), s[0].data);
    EXPECT_TRUE(f_.access_list.entries.empty());
}

TEST_F(SchedulesOps, PatternZeroTakesTheBlocksFormByTheEstimate) {
    set(0, 14, false);
    for (int i = 0; i < 5'626; ++i) ASSERT_EQ(0, via::InserirUsuarioListaAcesso(f_, std::to_string(i).c_str(), 1));
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 1));
    auto s = sent();
    ASSERT_EQ(2u, s.size());
    Bytes image = s[0].data;
    image.insert(image.end(), s[1].data.begin(), s[1].data.end());
    ASSERT_EQ(131'072u, image.size());
    EXPECT_EQ(136, s[0].command);
    EXPECT_EQ(136, s[1].command);
    EXPECT_EQ(0x15, image[0]);  // 5,626 entries, not the entry bytes
    EXPECT_EQ(0xFA, image[1]);
    EXPECT_EQ((Bytes{0x00, 0x00, 0x01, 0x01, 0x00, 0x01}), Bytes(image.begin() + 2, image.begin() + 8));
    const size_t last = 2 + 5'625 * 3;  // card 5625 = 0x15F9
    EXPECT_EQ((Bytes{0xF9, 0x15, 0x01, 0xFF}), Bytes(image.begin() + last, image.begin() + last + 4));
    for (size_t i = last + 3; i < image.size(); ++i) ASSERT_EQ(0xFF, image[i]) << i;
}

TEST_F(SchedulesOps, OldFormSendsTheFirstNineThousandBytes) {
    set(0, 14, true);
    ASSERT_EQ(0, via::InserirUsuarioListaAcesso(f_, "513", 52));
    EXPECT_EQ(130, via::InserirUsuarioListaAcesso(f_, "1", 53));
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 1));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(102, s[0].command);
    Bytes expected(9'000, 0xFF);
    expected[0] = 0x01, expected[1] = 0x02, expected[2] = 52;
    EXPECT_EQ(expected, s[0].data);

    // Old form of an empty list, after a failed send.
    ASSERT_EQ(0, via::InserirUsuarioListaAcesso(f_, "1", 1));
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, via::EnviarListaAcesso(f_, 1));
    sent();
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 1));
    EXPECT_EQ(Bytes(9'000, 0xFF), sent()[0].data);
}

TEST_F(SchedulesOps, ListThatNoLongerFitsIsRefusedAndKept) {
    struct Case {
        const char* what;
        const char* card;
        int entries;
        uint8_t pattern0, digits0;  // while inserting
        bool old0;
        uint8_t pattern1, digits1;  // at the send
        bool old1;
    } cases[] = {
        {"digit count lowered", "12345678901234", 1, 1, 14, false, 1, 12, false},
        {"odd count below the text", "12345678901234", 1, 1, 14, false, 1, 13, false},
        {"old flag set with too many entries", "1", 1'126, 1, 14, false, 1, 14, true},
        {"wider entries on an old terminal", "1", 2'000, 0, 14, true, 1, 14, true},
        {"wider entries past the blocks image", "1", 43'690, 0, 14, false, 1, 14, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        set(c.pattern0, c.digits0, c.old0);
        for (int i = 0; i < c.entries; ++i) {
            ASSERT_EQ(0, via::InserirUsuarioListaAcesso(f_, c.card, 1)) << i;
        }
        set(c.pattern1, c.digits1, c.old1);
        EXPECT_EQ(131, via::EnviarListaAcesso(f_, 1));
        EXPECT_TRUE(sent().empty());
        EXPECT_EQ(size_t(c.entries), f_.access_list.entries.size());
        set(c.pattern0, c.digits0, c.old0);  // back to the settings it was made under
        EXPECT_EQ(0, via::EnviarListaAcesso(f_, 1));
        EXPECT_FALSE(sent().empty());
        EXPECT_TRUE(f_.access_list.entries.empty());
    }
}

TEST_F(SchedulesOps, PatternChangedAfterInsertionUsesTheNewEncoding) {
    set(1, 14, false);
    ASSERT_EQ(0, via::InserirUsuarioListaAcesso(f_, "12345678901234", 9));
    set(0, 14, false);
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 1));
    const uint16_t low = uint16_t(12345678901234ull & 0xFFFF);
    EXPECT_EQ((Bytes{0x00, 0x03, uint8_t(low), uint8_t(low >> 8), 9}), sent()[0].data);
}

TEST_F(SchedulesOps, OldTerminalSchedulesAndSirens) {
    set(1, 14, true);
    EXPECT_EQ(128, via::InserirHorarioAcesso(f_, 51, 1, 1, 0, 0));
    EXPECT_EQ(0, via::InserirHorarioAcesso(f_, 50, 1, 1, 6, 7));
    EXPECT_EQ(0xFF, f_.access_schedules.bytes[2'800]);
    EXPECT_EQ(6, f_.access_schedules.bytes[2'744]);
    EXPECT_EQ(0, via::EnviarHorariosAcesso(f_, 1));
    for (int i = 0; i < 51; ++i) ASSERT_EQ(0, via::InserirHorarioSirene(f_, 1, 2, 0, 1, 0, 0, 0, 0, 0));
    EXPECT_EQ(51, f_.sirens.count);  // the 51st is stored
    EXPECT_EQ(0, via::EnviarHorariosSirene(f_, 1));
    auto s = sent();
    ASSERT_EQ(2u, s.size());
    EXPECT_EQ(103, s[0].command);
    EXPECT_EQ(2'800u, s[0].data.size());
    EXPECT_EQ(6, s[0].data[2'744]);
    EXPECT_EQ(105, s[1].command);
    EXPECT_EQ(150u, s[1].data.size());
    EXPECT_EQ((Bytes{1, 2, 2}), Bytes(s[1].data.end() - 3, s[1].data.end()));
    EXPECT_EQ(0, f_.sirens.count);
    EXPECT_EQ(Bytes(300, 0), Bytes(f_.sirens.bytes.begin(), f_.sirens.bytes.end()));
}

}  // namespace
