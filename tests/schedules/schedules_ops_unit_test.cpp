// The access list on a facade built here, with the card pattern, the digit
// count and the old-terminal flag changed directly between the inserts and
// the send, sending through the fake TCP library. (Each form's image is in
// access_list_test.cpp, the choice of form in access_list_unit_test.cpp.)
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

}  // namespace
