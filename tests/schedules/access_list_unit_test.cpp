// The access list: the wire images, the insert checks and the choice of
// payload form for every combination of card pattern, digit count and
// old-terminal flag; then the operations on a facade built here (settings
// changed directly between the inserts and the send) against the fake TCP
// library and TCP COM component.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/facade.h"
#include "facade_calls.h"
#include "fake_backend.h"
#include "schedules/access_list_images.h"
#include "schedules/access_list_rules.h"

namespace {

using Bytes = std::vector<uint8_t>;
namespace via = varanda::via;
using varanda::AccessListEntry;
using varanda::access_list::CardSettings;
using varanda::access_list::Layout;

TEST(AccessListImages, EntryEncodingByPatternAndDigitCount) {
    struct Case {
        CardSettings s;
        std::string card;
        uint8_t schedule;
        Bytes out;  // empty: refused
    } cases[] = {
        {{0, 14}, "65000", 1, {0xE8, 0xFD, 0x01}},
        {{0, 14}, "1", 102, {0x01, 0x00, 0x66}},
        // Inserted under pattern 1, sent under pattern 0: the low 16 bits.
        {{0, 14}, "65536", 2, {0x00, 0x00, 0x02}},
        {{0, 14}, "-2", 2, {0xFE, 0xFF, 0x02}},
        {{1, 16}, "1234567890123456", 3, {0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56, 0x03}},
        {{1, 5}, "1234", 4, {0x12, 0x34, 0x04}},
        {{1, 5}, "12345", 4, {}},  // needs 3 bytes, F is 2
        {{1, 0}, "", 4, {0x04}},
        {{1, 0}, "1", 4, {}},
    };
    for (const Case& c : cases) {
        Bytes out(20, 0xEE);
        const bool ok = varanda::access_list::encode_entry(AccessListEntry{c.card, c.schedule}, c.s, out.data());
        EXPECT_EQ(!c.out.empty(), ok) << c.card;
        if (ok) {
            EXPECT_EQ(c.out, Bytes(out.begin(), out.begin() + c.out.size())) << c.card;
            EXPECT_EQ(0xEE, out[c.out.size()]) << c.card;  // nothing past the entry
        } else {
            EXPECT_EQ(Bytes(20, 0xEE), out) << c.card;
        }
    }
}

TEST(AccessListRules, NewEntryChecksInOrder) {
    const std::string huge(100'000, '1');
    struct Case {
        CardSettings s;
        const char* card;
        uint8_t schedule;
        size_t entries;  // already in the list
        uint8_t code;
    } cases[] = {
        {{0, 14}, nullptr, 0, 0, 128},
        {{0, 14}, "65000", 1, 0, 0},
        {{0, 14}, "65001", 1, 0, 128},
        {{0, 14}, "-1", 1, 0, 128},
        {{0, 14}, "-0", 1, 0, 0},
        {{0, 14}, "123456", 1, 0, 129},
        {{0, 14}, "123456", 0, 0, 129},  // length before schedule
        {{0, 14}, " 9999", 1, 0, 0},
        {{0, 14}, "abc", 102, 0, 0},     // reads as 0
        {{0, 14}, huge.c_str(), 1, 0, 129},
        {{0, 2}, "65000", 1, 0, 0},      // the digit count does not bound pattern 0
        {{1, 14}, "12345678901234", 102, 0, 0},
        {{1, 14}, "123456789012345", 1, 0, 129},
        {{1, 14}, huge.c_str(), 1, 0, 129},
        {{1, 13}, "1234567890123", 1, 0, 129},  // 13 characters need 7 bytes, F is 6
        {{1, 13}, "123456789012", 1, 0, 0},
        {{1, 1}, "1", 1, 0, 129},               // F = 0 holds no character
        {{1, 1}, "", 1, 0, 0},
        {{1, 14}, "1", 0, 0, 130},
        {{1, 14}, "1", 103, 0, 130},
        {{1, 14, true}, "1", 52, 0, 0},
        {{1, 14, true}, "1", 53, 0, 130},
        {{0, 14, true}, "1", 53, 0, 130},
        // Capacity: old terminals 9,000 entry bytes; otherwise the blocks image.
        {{1, 14, true}, "1", 1, 1'124, 0},
        {{1, 14, true}, "1", 1, 1'125, 131},
        {{0, 14, true}, "1", 1, 2'999, 0},
        {{0, 14, true}, "1", 1, 3'000, 131},
        {{1, 14}, "1", 1, 16'382, 0},    // 16,383 x 8 = 131,064 bytes
        {{1, 14}, "1", 1, 16'383, 131},
        {{0, 14}, "1", 1, 43'689, 0},    // 43,690 x 3 = 131,070 bytes
        {{0, 14}, "1", 1, 43'690, 131},
        {{1, 0}, "", 1, 65'534, 0},      // 1-byte entries: the 16-bit entry count bounds
        {{1, 0}, "", 1, 65'535, 131},
        {{1, 14}, "1", 0, 16'383, 130},  // schedule checked before capacity
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.code, varanda::access_list::check_new_entry(c.card, c.schedule, c.entries, c.s))
            << "pattern " << int(c.s.pattern) << " digits " << int(c.s.digit_count) << " old " << c.s.old_terminal
            << " card " << (c.card ? std::string(c.card).substr(0, 20) : "(null)") << " schedule "
            << int(c.schedule) << " entries " << c.entries;
    }
}

TEST(AccessListRules, FormFollowsTheEstimateAndTheRealSize) {
    struct Case {
        CardSettings s;
        size_t entries;
        Layout layout;
    } cases[] = {
        {{1, 14}, 0, Layout::kCounted},
        {{1, 14}, 5'625, Layout::kCounted},  // 45,000
        {{1, 14}, 5'626, Layout::kBlocks},   // 45,008
        {{0, 14}, 5'625, Layout::kCounted},  // estimate 45,000, real 16,875
        {{0, 14}, 5'626, Layout::kBlocks},   // estimate 45,008, real 16,878
        {{1, 0}, 45'000, Layout::kCounted},  // 1-byte entries
        {{1, 0}, 45'001, Layout::kBlocks},   // estimate 45,001 but 45,001 real bytes do not fit
        {{0, 2}, 15'000, Layout::kCounted},  // estimate 30,000, real 45,000
        {{0, 2}, 15'001, Layout::kBlocks},   // real 45,003 exceeds the image
        {{1, 14, true}, 60'000, Layout::kOld},
        {{0, 14, true}, 0, Layout::kOld},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.layout, varanda::access_list::first_layout(c.entries, c.s))
            << "pattern " << int(c.s.pattern) << " digits " << int(c.s.digit_count) << " entries " << c.entries;
    }
}

TEST(CardPatternUnit, SetsPatternAndDigitCountOrChangesNothing) {
    varanda::ApiFacade f;
    EXPECT_EQ(1, f.card_pattern.value);
    struct Step {
        uint8_t digits_before, value, code, pattern, digits;
    } steps[] = {{8, 2, 128, 1, 8}, {8, 0, 0, 0, 14}, {5, 255, 128, 0, 5}, {5, 1, 0, 1, 14}};
    for (const Step& st : steps) {
        f.config.bytes[14] = st.digits_before;
        EXPECT_EQ(st.code, via::DefinirPadraoCartao(f, st.value));
        EXPECT_EQ(st.pattern, f.card_pattern.value);
        EXPECT_EQ(st.digits, f.config.bytes[14]);
    }
}

// A pattern-1 entry at 14 digits: the card '0'-padded, two digits a byte,
// then the schedule.
Bytes bcd_entry(const std::string& card, uint8_t schedule) {
    const std::string padded = std::string(14 - card.size(), '0') + card;
    Bytes out;
    for (size_t i = 0; i < 14; i += 2) out.push_back(uint8_t(((padded[i] - '0') << 4) | (padded[i + 1] - '0')));
    out.push_back(schedule);
    return out;
}

std::string card_of(int i) { return std::to_string(10'000'000 + i); }
uint8_t schedule_of(int i) { return uint8_t(1 + i % 52); }  // valid for old terminals too

class AccessListOps : public ::testing::Test {
protected:
    void SetUp() override { open(1, tcp_); }
    void open(uint8_t type, testsupport::FakeBackend& fake) {
        ASSERT_TRUE(fake.present());
        ASSERT_EQ(0, f_.connection().SetConnectionType(type));
        ASSERT_EQ(0, f_.connection().OpenPort(1));
        fake.reset();
    }
    struct Sent {
        int32_t terminal, command, length;
        Bytes data;
    };
    // What reached Envia_Dados since the last call.
    std::vector<Sent> sent() {
        std::vector<Sent> out;
        for (const auto& c : tcp_.calls("Envia_Dados")) out.push_back({c.ints[0], c.ints[1], c.ints[2], c.data});
        tcp_.reset();
        return out;
    }
    void set(uint8_t pattern, uint8_t digits, bool old) {
        f_.card_pattern.value = pattern;
        f_.config.bytes[14] = digits;
        f_.protocol.old_terminal = old ? 1 : 0;
    }
    uint8_t insert(const char* card, uint8_t schedule) { return via::InserirUsuarioListaAcesso(f_, card, schedule); }
    void insert_many(int n) {
        for (int i = 0; i < n; ++i) ASSERT_EQ(0, insert(card_of(i).c_str(), schedule_of(i)));
    }
    // The image of entries 0..n-1 laid from `at` in an image of `size` bytes.
    static Bytes image_of(int n, size_t size, size_t at) {
        Bytes img(size, 0xFF);
        for (int i = 0; i < n; ++i) {
            Bytes e = bcd_entry(card_of(i), schedule_of(i));
            std::copy(e.begin(), e.end(), img.begin() + at + size_t(i) * 8);
        }
        return img;
    }

    varanda::ApiFacade f_;
    testsupport::FakeBackend tcp_{testsupport::kTcpLib};
    testsupport::FakeBackend tcp_com_{testsupport::kTcpComLib};
};

// Refused inserts keep nothing; every send, a failed one included, empties
// the list.
TEST_F(AccessListOps, CountedImageIsExactAndEverySendEmptiesTheList) {
    f_.connection().ClosePort();
    ASSERT_EQ(0, insert("1", 1));
    EXPECT_EQ(2, via::EnviarListaAcesso(f_, 77));
    ASSERT_EQ(0, f_.connection().OpenPort(1));
    tcp_.reset();
    ASSERT_EQ(0, insert("123456", 5));
    ASSERT_EQ(0, insert("7", 102));
    ASSERT_EQ(0, insert("98765432109876", 1));
    ASSERT_EQ(0, insert("12A4", 2));  // a non-digit counts as 0
    EXPECT_EQ(128, insert(nullptr, 0));  // one refusal of each kind (every check: NewEntryChecksInOrder)
    EXPECT_EQ(129, insert("123456789012345", 0));
    EXPECT_EQ(130, insert("1", 103));
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 77));
    const Bytes expected = {0x00, 0x20,                                      // 32 entry bytes
                            0x00, 0x00, 0x00, 0x00, 0x12, 0x34, 0x56, 0x05,  //
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x66,  //
                            0x98, 0x76, 0x54, 0x32, 0x10, 0x98, 0x76, 0x01,  //
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x12, 0x04, 0x02};
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(77, s[0].terminal);
    EXPECT_EQ(115, s[0].command);
    EXPECT_EQ(34, s[0].length);
    EXPECT_EQ(expected, s[0].data);
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 77));  // emptied: count 0, two bytes
    EXPECT_EQ((Bytes{0, 0}), sent().at(0).data);
}

TEST_F(AccessListOps, RefusedCountedFormFallsBackToTheFullForm) {
    struct Case {
        int32_t full_result;  // what Envia_Dados answers the command 110
        uint8_t code;
    } cases[] = {{31, 0}, {21, 1}};
    for (const Case& c : cases) {
        insert_many(3);
        tcp_.queue_result("Envia_Dados", 21);
        tcp_.queue_result("Envia_Dados", c.full_result);
        EXPECT_EQ(c.code, via::EnviarListaAcesso(f_, 4));
        auto s = sent();
        ASSERT_EQ(2u, s.size());
        EXPECT_EQ(115, s[0].command);
        EXPECT_EQ(26u, s[0].data.size());
        EXPECT_EQ(110, s[1].command);
        EXPECT_EQ(4, s[1].terminal);
        EXPECT_EQ(image_of(3, 45'000, 0), s[1].data);  // entries from byte 0, 0xFF fill
        EXPECT_EQ(0, via::EnviarListaAcesso(f_, 4));  // emptied even though the send failed
        EXPECT_EQ((Bytes{0, 0}), sent().at(0).data);
    }
    // An empty list refused as counted: the full form is all fill.
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(0, via::ApagarListaAcesso(f_, 4));
    EXPECT_EQ(Bytes(45'000, 0xFF), sent().at(1).data);
}

// 8,200 entries take the blocks form, an entry straddling the two blocks; the
// header counts entries, not bytes. Both blocks go out whatever the first
// one's result.
TEST_F(AccessListOps, BlocksGoOutWithIndexZeroThenOne) {
    struct Case {
        int32_t first, second;  // the component's answers: 1 true, 0 false
        uint8_t code;
    } cases[] = {{1, 1, 0}, {0, 1, 1}, {1, 0, 128}, {0, 0, 128}};
    open(2, tcp_com_);
    Bytes expected = image_of(8'200, 131'072, 2);
    expected[0] = uint8_t(8'200 >> 8);
    expected[1] = uint8_t(8'200 & 0xFF);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first * 10 + c.second);
        tcp_com_.reset();
        insert_many(8'200);
        tcp_com_.queue_result("Send", c.first);
        tcp_com_.queue_result("Send", c.second);
        EXPECT_EQ(c.code, via::EnviarListaAcesso(f_, 6));
        auto sends = tcp_com_.calls("Send");
        ASSERT_EQ(2u, sends.size());
        for (int b = 0; b < 2; ++b) {
            EXPECT_EQ((std::vector<int32_t>{6, 136, b, 65'536}), std::vector<int32_t>(sends[b].ints, sends[b].ints + 4));
            EXPECT_EQ(Bytes(expected.begin() + b * 65'536, expected.begin() + (b + 1) * 65'536), sends[b].data);
        }
    }
    tcp_com_.reset();
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 6));  // every send emptied the list
    ASSERT_EQ(1u, tcp_com_.calls("Send").size());
    EXPECT_EQ(115, tcp_com_.calls("Send")[0].ints[1]);
}

TEST_F(AccessListOps, OldTerminalsGetNineThousandBytesWithCommand102) {
    set(1, 14, true);
    insert_many(3);
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 8));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(102, s[0].command);
    EXPECT_EQ(image_of(3, 9'000, 0), s[0].data);
}

TEST_F(AccessListOps, ListThatNoLongerFitsIsRefusedAndKept) {
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
            ASSERT_EQ(0, insert(c.card, 1)) << i;
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

// Inserted under pattern 1, sent under pattern 0: the low 16 bits of the
// number, low byte first.
TEST_F(AccessListOps, PatternChangedAfterInsertionUsesTheNewEncoding) {
    set(1, 14, false);
    ASSERT_EQ(0, insert("12345678901234", 9));
    set(0, 14, false);
    EXPECT_EQ(0, via::EnviarListaAcesso(f_, 1));
    const uint16_t low = uint16_t(12345678901234ull & 0xFFFF);
    EXPECT_EQ((Bytes{0x00, 0x03, uint8_t(low), uint8_t(low >> 8), 9}), sent().at(0).data);
}

}  // namespace
