// The access list through the exports, against the back-end fakes: the
// insert checks, the exact image of each payload form, the fallback from the
// counted to the full form, the two indexed blocks, and the list emptied by
// every send.
#include <string>
#include <vector>

#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

// An entry as the test expects it with the card digit count 14: the card
// text left-padded with '0' to 14 characters, two digits a byte, then the
// schedule.
Bytes bcd_entry(const std::string& card, uint8_t schedule) {
    const std::string padded = std::string(14 - card.size(), '0') + card;
    Bytes out;
    for (size_t i = 0; i < 14; i += 2) out.push_back(uint8_t(((padded[i] - '0') << 4) | (padded[i + 1] - '0')));
    out.push_back(schedule);
    return out;
}

std::string card_of(int i) { return std::to_string(10'000'000 + i); }
// Schedules 1..52, valid for old terminals too.
uint8_t schedule_of(int i) { return uint8_t(1 + i % 52); }

class AccessList : public testsupport::SdkTest {
protected:
    void insert_many(int n) {
        for (int i = 0; i < n; ++i) ASSERT_EQ(0, api().InserirUsuarioListaAcesso(card_of(i).c_str(), schedule_of(i)));
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
    static Bytes join(const Bytes& a, const Bytes& b) {
        Bytes out = a;
        out.insert(out.end(), b.begin(), b.end());
        return out;
    }
};

TEST_F(AccessList, SmallListReachesTheBackEndByteExact) {
    open_tcp_lib();
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("123456", 5));
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("7", 102));
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("98765432109876", 1));
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("12A4", 2));  // a non-digit counts as 0
    EXPECT_EQ(0, api().EnviarListaAcesso(77));
    const Bytes expected = {0x00, 0x20,                                      // 32 entry bytes
                            0x00, 0x00, 0x00, 0x00, 0x12, 0x34, 0x56, 0x05,  //
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x66,  //
                            0x98, 0x76, 0x54, 0x32, 0x10, 0x98, 0x76, 0x01,  //
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x12, 0x04, 0x02};
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(77, s[0].terminal);
    EXPECT_EQ(115, s[0].command);
    EXPECT_EQ(expected, s[0].data);
    EXPECT_EQ(34, tcp_.calls("Envia_Dados")[0].ints[2]);  // length argument

    tcp_.reset();
    EXPECT_EQ(0, api().EnviarListaAcesso(77));  // emptied: count 0, two bytes
    s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(115, s[0].command);
    EXPECT_EQ((Bytes{0, 0}), s[0].data);
}

TEST_F(AccessList, InsertRefusesBadEntriesAndKeepsTheList) {
    // One refusal of each kind; every check and its order: AccessListRules.NewEntryChecksInOrder.
    struct Case {
        const char* card;
        uint8_t schedule;
        uint8_t code;
    } cases[] = {{nullptr, 0, 128}, {"123456789012345", 0, 129}, {"1", 103, 130}};
    open_tcp_lib();
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("55", 3));
    for (const Case& c : cases) EXPECT_EQ(c.code, api().InserirUsuarioListaAcesso(c.card, c.schedule)) << c.schedule;
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("12345678901234", 102));  // 14 characters, schedule 102
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("", 1));
    EXPECT_EQ(0, api().EnviarListaAcesso(1));
    Bytes expected = {0x00, 24};
    for (const Bytes& e : {bcd_entry("55", 3), bcd_entry("12345678901234", 102), bcd_entry("", 1)}) {
        expected.insert(expected.end(), e.begin(), e.end());
    }
    ASSERT_EQ(1u, sent().size());
    EXPECT_EQ(expected, sent()[0].data);
}

TEST_F(AccessList, RefusedCountedFormFallsBackToTheFullForm) {
    struct Case {
        int32_t full_result;  // what Envia_Dados answers the command 110
        uint8_t code;
    } cases[] = {{31, 0}, {21, 1}};
    open_tcp_lib();
    for (const Case& c : cases) {
        insert_many(3);
        tcp_.queue_result("Envia_Dados", 21);
        tcp_.queue_result("Envia_Dados", c.full_result);
        EXPECT_EQ(c.code, api().EnviarListaAcesso(4));
        auto s = sent();
        ASSERT_EQ(2u, s.size());
        EXPECT_EQ(115, s[0].command);
        EXPECT_EQ(26u, s[0].data.size());
        EXPECT_EQ(110, s[1].command);
        EXPECT_EQ(4, s[1].terminal);
        EXPECT_EQ(image_of(3, 45'000, 0), s[1].data);  // entries from byte 0, 0xFF fill
        tcp_.reset();
        EXPECT_EQ(0, api().EnviarListaAcesso(4));  // emptied even though the send failed
        ASSERT_EQ(1u, sent().size());
        EXPECT_EQ((Bytes{0, 0}), sent()[0].data);
        tcp_.reset();
    }
    // An empty list refused as counted: the full form is all fill.
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(0, api().ApagarListaAcesso(4));
    ASSERT_EQ(2u, sent().size());
    EXPECT_EQ(Bytes(45'000, 0xFF), sent()[1].data);
}

// 8,200 entries take the blocks form (where the form changes:
// AccessListRules.FormFollowsTheEstimateAndTheRealSize), an entry straddling
// the two blocks; the header counts entries, not bytes.
TEST_F(AccessList, BlocksImageIsSentInTwoHalves) {
    open_tcp_lib();
    insert_many(8'200);
    EXPECT_EQ(0, api().EnviarListaAcesso(2));
    auto s = sent();
    ASSERT_EQ(2u, s.size());
    Bytes expected = image_of(8'200, 131'072, 2);
    expected[0] = uint8_t(8'200 >> 8);
    expected[1] = uint8_t(8'200 & 0xFF);
    for (const auto& half : s) {
        EXPECT_EQ(136, half.command);
        EXPECT_EQ(65'536u, half.data.size());
    }
    EXPECT_EQ(expected, join(s[0].data, s[1].data));
}

TEST_F(AccessList, BlocksGoOutWithIndexZeroThenOneWhateverTheFirstResult) {
    struct Case {
        int32_t first, second;  // the component's answers: 1 true, 0 false
        uint8_t code;
    } cases[] = {{1, 1, 0}, {0, 1, 1}, {1, 0, 128}, {0, 0, 128}};
    ASSERT_EQ(0, api().DefinirTipoConexao(2));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first * 10 + c.second);
        tcp_com_.reset();
        insert_many(5'626);
        tcp_com_.queue_result("Send", c.first);
        tcp_com_.queue_result("Send", c.second);
        EXPECT_EQ(c.code, api().EnviarListaAcesso(6));
        auto sends = tcp_com_.calls("Send");
        ASSERT_EQ(2u, sends.size());
        for (int b = 0; b < 2; ++b) {
            EXPECT_EQ(6, sends[b].ints[0]);
            EXPECT_EQ(136, sends[b].ints[1]);
            EXPECT_EQ(b, sends[b].ints[2]);  // block index
            EXPECT_EQ(65'536, sends[b].ints[3]);
        }
        EXPECT_EQ(0x15, sends[0].data[0]);  // 5,626 entries
        EXPECT_EQ(0xFA, sends[0].data[1]);
        EXPECT_EQ(Bytes(65'536, 0xFF), sends[1].data);
    }
    tcp_com_.reset();
    EXPECT_EQ(0, api().EnviarListaAcesso(6));  // every send emptied the list
    ASSERT_EQ(1u, tcp_com_.calls("Send").size());
    EXPECT_EQ(115, tcp_com_.calls("Send")[0].ints[1]);
}

TEST_F(AccessList, ClosedPortEmptiesTheListAndSendsNothing) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("1", 1));
    EXPECT_EQ(2, api().EnviarListaAcesso(1));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    tcp_.reset();
    EXPECT_EQ(0, api().EnviarListaAcesso(1));
    ASSERT_EQ(1u, sent().size());
    EXPECT_EQ((Bytes{0, 0}), sent()[0].data);
}

TEST_F(AccessList, CardPatternZeroSendsSixteenBitNumbers) {
    open_tcp_lib();
    ASSERT_EQ(0, api().DefinirPadraoCartao(0));
    EXPECT_EQ(128, api().InserirUsuarioListaAcesso("65001", 1));  // the pattern reaches the checks
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("65000", 1));
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso(" +259", 2));
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("x", 3));
    EXPECT_EQ(0, api().EnviarListaAcesso(1));
    ASSERT_EQ(1u, sent().size());
    EXPECT_EQ(115, sent()[0].command);
    EXPECT_EQ((Bytes{0x00, 0x09, 0xE8, 0xFD, 0x01, 0x03, 0x01, 0x02, 0x00, 0x00, 0x03}), sent()[0].data);
}

TEST_F(AccessList, OldTerminalsGetNineThousandBytesWithCommand102) {
    open_tcp_lib();
    ASSERT_EQ(1, api().SetarCorvoOld(0, 1));
    EXPECT_EQ(130, api().InserirUsuarioListaAcesso("1", 53));
    insert_many(1'124);
    ASSERT_EQ(0, api().InserirUsuarioListaAcesso("9", 52));  // the 1,125th fills the 9,000 bytes
    EXPECT_EQ(131, api().InserirUsuarioListaAcesso("9", 1));
    EXPECT_EQ(0, api().EnviarListaAcesso(8));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(102, s[0].command);
    Bytes expected = image_of(1'124, 9'000, 0);
    Bytes last = bcd_entry("9", 52);
    std::copy(last.begin(), last.end(), expected.begin() + 8'992);
    EXPECT_EQ(expected, s[0].data);
}

}  // namespace
