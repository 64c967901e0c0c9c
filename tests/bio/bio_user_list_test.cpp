// The paged collection of the module's user lists: the host's loop across
// several packages, the answers that stop it, what a package hands out, and
// the list of users with fingerprint.
#include <algorithm>
#include <cstring>

#include "bio_test_support.h"

namespace {

using biotest::answer;
using biotest::Bytes;
using biotest::page_answer;
using biotest::request;
using biotest::Sends;

// A package: count and size high byte first, then the records.
Bytes package(uint16_t count, uint16_t size, const Bytes& records) {
    Bytes p(4 + records.size());
    p[0] = static_cast<uint8_t>(count >> 8);
    p[1] = static_cast<uint8_t>(count);
    p[2] = static_cast<uint8_t>(size >> 8);
    p[3] = static_cast<uint8_t>(size);
    std::copy(records.begin(), records.end(), p.begin() + 4);
    return p;
}

class BioUserList : public biotest::TcpTest {
protected:
    // The page index the collection is at, as the next two list requests show.
    void expect_page(uint8_t page) {
        tcp_.reset();
        ASSERT_EQ(0, api().SolicitarListaUsuariosBio(3));
        ASSERT_EQ(0, api().SolicitarListaUsuariosBioVariavel(3));
        EXPECT_EQ((Sends{{3, 120, request(10, {page})}, {3, 120, request(11, {page})}}), biotest::sends(tcp_));
    }
};

TEST_F(BioUserList, HostLoopCollectsEveryRecordOfEveryPage) {
    tcp_.queue_answer(page_answer(0, 1, 12));
    tcp_.queue_answer(package(2, 4, {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}));
    tcp_.queue_answer(page_answer(1, 1, 8));
    tcp_.queue_answer(package(1, 4, {'i', 'j', 'k', 'l'}));

    std::vector<std::string> records;
    api().InicializarColetaListaUsuariosBio();
    for (int guard = 0; api().TemProximoPacote() == 1 && guard < 10; ++guard) {
        ASSERT_EQ(0, api().SolicitarListaUsuariosBio(3));
        ASSERT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));
        while (api().TemProximoUsuario() == 1) {
            char rec[5] = {};
            ASSERT_EQ(0, api().ReceberUsuarioLista(3, reinterpret_cast<uint8_t*>(rec)));
            records.push_back(rec);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"abcd", "efgh", "ijkl"}), records);
    EXPECT_EQ((Sends{{3, 120, request(10, {0})}, {3, 120, request(10, {1})}}), biotest::sends(tcp_));
    EXPECT_EQ((biotest::Reads{{3, 220, 17}, {3, 222, 12}, {3, 220, 17}, {3, 222, 8}}), biotest::reads(tcp_));
    expect_page(0);  // the collection ended and was reset
}

TEST_F(BioUserList, RefusedAnswersLeaveThePageAndPackage) {
    // Page 0 read: one record "wxyz"; the page index is now 1.
    tcp_.queue_answer(page_answer(0, 5, 8));
    tcp_.queue_answer(package(1, 4, {'w', 'x', 'y', 'z'}));
    ASSERT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));
    expect_page(1);
    struct Case {
        const char* what;
        std::vector<Bytes> answers;
        uint8_t code;
    } cases[] = {
        {"another page", {page_answer(0, 5, 8)}, 137},
        {"empty list", {page_answer(1, 5, 0)}, 136},
        {"empty list for another page", {page_answer(4, 5, 0)}, 136},
        {"module error", {answer(9)}, 137},
        {"no answer", {}, 128},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        for (const Bytes& a : c.answers) tcp_.queue_answer(a);
        EXPECT_EQ(c.code, api().ReceberPacoteListaUsuariosBio(3));
        EXPECT_EQ(1u, tcp_.calls("Recebe_Dados").size());
        expect_page(1);
    }
    char rec[5] = {};  // the old package is still there
    ASSERT_EQ(1, api().TemProximoUsuario());
    ASSERT_EQ(0, api().ReceberUsuarioLista(3, reinterpret_cast<uint8_t*>(rec)));
    EXPECT_STREQ("wxyz", rec);
}

// Page 1 of 0..1 arrives with a package: only whole records are handed out,
// never bytes past the package; records longer than the host's documented
// 128-byte buffer (allocated at exactly that size, so that a sanitizer sees
// any write past it) are refused when they arrive, nothing copied and the
// collection back at page 0; a failed receive keeps nothing and the page.
TEST_F(BioUserList, WhatAPackageHandsOut) {
    struct Case {
        const char* what;
        uint16_t count, size;
        size_t held;     // bytes of records in the package
        int32_t result;  // of the package's receive
        uint8_t code;
        int handed;
        int32_t more;  // TemProximoPacote after it: 0 when page 2 is past the last (which ends the collection)
        uint8_t page_after;
    } cases[] = {
        {"no records", 0, 16, 0, 40, 0, 0, 0, 0},
        {"more records claimed than held", 5, 4, 10, 40, 0, 2, 0, 0},
        {"16-byte record", 1, 16, 16, 40, 0, 1, 0, 0},
        {"128-byte record", 1, 128, 128, 40, 0, 1, 0, 0},
        {"129-byte record", 1, 129, 129, 40, 128, 0, 1, 0},
        {"65535-byte record", 1, 65535, 300, 40, 128, 0, 1, 0},
        {"failed receive", 1, 4, 4, 21, 1, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        api().InicializarColetaListaUsuariosBio();
        tcp_.queue_answer(page_answer(0, 1, 8));
        tcp_.queue_answer(package(1, 4, {1, 2, 3, 4}));
        ASSERT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));
        Bytes records(c.held);
        for (size_t i = 0; i < c.held; ++i) records[i] = static_cast<uint8_t>(i + 7);
        tcp_.queue_answer(page_answer(1, 1, static_cast<uint16_t>(4 + c.held)));
        tcp_.queue_answer(c.result, package(c.count, c.size, records));
        EXPECT_EQ(c.code, api().ReceberPacoteListaUsuariosBio(3));

        std::vector<uint8_t> record(128, 0xEE);
        int handed = 0;
        for (; api().TemProximoUsuario() == 1 && handed < c.handed; ++handed) {
            ASSERT_EQ(0, api().ReceberUsuarioLista(3, record.data()));
            EXPECT_TRUE(std::equal(record.begin(), record.begin() + c.size, records.begin() + handed * c.size));
        }
        EXPECT_EQ(c.handed, handed);
        std::fill(record.begin(), record.end(), 0xEE);
        EXPECT_EQ(128, api().ReceberUsuarioLista(3, record.data()));
        EXPECT_EQ(Bytes(128, 0xEE), record);
        EXPECT_EQ(c.more, api().TemProximoPacote());
        expect_page(c.page_after);
    }
}

// The list of users with fingerprint: the same paged answer and package;
// each 16-byte record's identifier decoded from its pair code to 11 bytes.
TEST_F(BioUserList, FingerprintListRecordsDecodeByPairs) {
    uint8_t out[12];
    EXPECT_EQ(128, api().ReceberUsuarioComDigital(out));  // no package yet
    Bytes records(32, 0x01);  // the second record: all 0x01
    const uint8_t first[] = {0x01, 0x01, 0x01, 0x01, 0x01, 0x02, 0x24, 0x46, 0x1A, 0x00, 0x9A, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    std::copy(std::begin(first), std::end(first), records.begin());
    tcp_.queue_answer(page_answer(0, 0, 36));
    tcp_.queue_answer(package(2, 16, records));
    ASSERT_EQ(0, api().SolicitarListaUsuariosComDigital(3));
    EXPECT_EQ((biotest::Reads{{3, 220, 17}, {3, 222, 36}}), biotest::reads(tcp_));

    std::memset(out, 0x77, sizeof out);
    ASSERT_EQ(1, api().TemProximoUsuario());
    ASSERT_EQ(0, api().ReceberUsuarioComDigital(out));
    EXPECT_EQ((Bytes{0, 0, 0, 0, 0, 1, 23, 45, 19, 255, 99, 0x77}), Bytes(out, out + 12));  // 11 bytes only
    ASSERT_EQ(0, api().ReceberUsuarioComDigital(out));
    EXPECT_EQ(Bytes(11, 0), Bytes(out, out + 11));
    EXPECT_EQ(0, api().TemProximoUsuario());
    EXPECT_EQ(128, api().ReceberUsuarioComDigital(out));  // past the last record
}

// Its internal package step reads again from the terminal of the last list
// answer, whatever its argument.
TEST_F(BioUserList, FingerprintPackageStepUsesTheAnsweredTerminal) {
    EXPECT_EQ(136, api().ReceberListaUsuariosDigital(0));  // nothing announced
    tcp_.queue_answer(page_answer(0, 0, 20));
    tcp_.queue_answer(21, {});
    EXPECT_EQ(1, api().SolicitarListaUsuariosComDigital(6));
    tcp_.reset();
    tcp_.queue_answer(package(1, 16, Bytes(16, 0x01)));
    ASSERT_EQ(0, api().ReceberListaUsuariosDigital(12345));
    EXPECT_EQ((biotest::Reads{{6, 222, 20}}), biotest::reads(tcp_));
    uint8_t out[11];
    EXPECT_EQ(0, api().ReceberUsuarioComDigital(out));
}

}  // namespace
