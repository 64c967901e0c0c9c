// The paged collection of the module's user list: the host's loop across
// several packages, and the answers that stop it.
#include <algorithm>
#include <cstring>
#include <memory>

#include "bio_test_support.h"
#include "sdk_test.h"

namespace {

using biotest::answer;
using biotest::Bytes;
using biotest::page_answer;

class BioUserList : public testsupport::SdkTest {
protected:
    // A package: count and size high byte first, then the records.
    static Bytes package(uint16_t count, uint16_t size, const Bytes& records) {
        Bytes p(4 + records.size());
        p[0] = static_cast<uint8_t>(count >> 8);
        p[1] = static_cast<uint8_t>(count);
        p[2] = static_cast<uint8_t>(size >> 8);
        p[3] = static_cast<uint8_t>(size);
        std::copy(records.begin(), records.end(), p.begin() + 4);
        return p;
    }
};

TEST_F(BioUserList, HostLoopCollectsEveryRecordOfEveryPage) {
    open_tcp_lib();
    tcp_.queue_answer(page_answer(0, 1, 12));
    tcp_.queue_answer(package(2, 4, {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}));
    tcp_.queue_answer(page_answer(1, 1, 8));
    tcp_.queue_answer(package(1, 4, {'i', 'j', 'k', 'l'}));

    std::vector<std::string> records;
    api().InicializarColetaListaUsuariosBio();
    int guard = 0;
    while (api().TemProximoPacote() == 1 && ++guard < 10) {
        ASSERT_EQ(0, api().SolicitarListaUsuariosBio(3));
        ASSERT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));
        while (api().TemProximoUsuario() == 1) {
            char rec[5] = {};
            ASSERT_EQ(0, api().ReceberUsuarioLista(3, reinterpret_cast<uint8_t*>(rec)));
            records.push_back(rec);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"abcd", "efgh", "ijkl"}), records);

    auto s = sent();
    ASSERT_EQ(2u, s.size());
    EXPECT_EQ(biotest::request(10, {0}), s[0].data);
    EXPECT_EQ(biotest::request(10, {1}), s[1].data);
    auto r = tcp_.calls("Recebe_Dados");
    ASSERT_EQ(4u, r.size());
    const int32_t expected[4][2] = {{220, 17}, {222, 12}, {220, 17}, {222, 8}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(expected[i][0], r[i].ints[1]) << i;
        EXPECT_EQ(expected[i][1], r[i].ints[2]) << i;
    }

    // The collection ended and was reset: the next request is for page 0.
    tcp_.reset();
    ASSERT_EQ(0, api().SolicitarListaUsuariosBio(3));
    EXPECT_EQ(biotest::request(10, {0}), sent().at(0).data);
}

TEST_F(BioUserList, RefusedAnswersLeaveThePageAndPackage) {
    open_tcp_lib();
    // Page 0 read: one record "wxyz"; the page index is now 1.
    tcp_.queue_answer(page_answer(0, 5, 8));
    tcp_.queue_answer(package(1, 4, {'w', 'x', 'y', 'z'}));
    ASSERT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));

    struct Case {
        const char* what;
        std::vector<Bytes> answers;
        uint8_t code;
        size_t receives;
    } cases[] = {
        {"another page", {page_answer(0, 5, 8)}, 137, 1},
        {"empty list", {page_answer(1, 5, 0)}, 136, 1},
        {"empty list for another page", {page_answer(4, 5, 0)}, 136, 1},
        {"module error", {answer(9)}, 137, 1},
        {"no answer", {}, 128, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        for (const Bytes& a : c.answers) tcp_.queue_answer(a);
        EXPECT_EQ(c.code, api().ReceberPacoteListaUsuariosBio(3));
        EXPECT_EQ(c.receives, tcp_.calls("Recebe_Dados").size());
        tcp_.reset();
        ASSERT_EQ(0, api().SolicitarListaUsuariosBio(3));
        EXPECT_EQ(biotest::request(10, {1}), sent().at(0).data);  // page index unchanged
    }
    // The old package is still there.
    char rec[5] = {};
    ASSERT_EQ(1, api().TemProximoUsuario());
    ASSERT_EQ(0, api().ReceberUsuarioLista(3, reinterpret_cast<uint8_t*>(rec)));
    EXPECT_STREQ("wxyz", rec);
}

TEST_F(BioUserList, FailedPackageReceiveDropsTheBufferAndKeepsThePage) {
    open_tcp_lib();
    tcp_.queue_answer(page_answer(0, 0, 8));
    tcp_.queue_answer(21, package(1, 4, {1, 2, 3, 4}));
    EXPECT_EQ(1, api().ReceberPacoteListaUsuariosBio(3));
    uint8_t out[4];
    EXPECT_EQ(128, api().ReceberUsuarioLista(3, out));
    EXPECT_EQ(1, api().TemProximoPacote());
    tcp_.reset();
    ASSERT_EQ(0, api().SolicitarListaUsuariosBio(3));
    EXPECT_EQ(biotest::request(10, {0}), sent().at(0).data);
}

TEST_F(BioUserList, EmptyPackageAdvancesWithNoBuffer) {
    open_tcp_lib();
    tcp_.queue_answer(page_answer(0, 1, 4));
    tcp_.queue_answer(package(0, 16, {}));
    EXPECT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));
    EXPECT_EQ(0, api().TemProximoUsuario());
    uint8_t out[16];
    EXPECT_EQ(128, api().ReceberUsuarioLista(3, out));
    EXPECT_EQ(1, api().TemProximoPacote());  // page 1 of 0..1 remains
}

// A package that claims more records than it holds: only whole records are
// handed out, never bytes past the package.
TEST_F(BioUserList, OverlongRecordCountNeverReadsPastThePackage) {
    open_tcp_lib();
    tcp_.queue_answer(page_answer(0, 0, 14));
    tcp_.queue_answer(package(5, 4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    ASSERT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));
    uint8_t out[4];
    int read = 0;
    while (api().TemProximoUsuario() == 1 && read < 10) {
        ASSERT_EQ(0, api().ReceberUsuarioLista(3, out));
        ++read;
    }
    EXPECT_EQ(2, read);
    std::memset(out, 0xCC, sizeof out);
    EXPECT_EQ(128, api().ReceberUsuarioLista(3, out));
    EXPECT_EQ(0xCC, out[0]);
}

}  // namespace

// The record size is the terminal's to choose: the host's buffer holds the
// documented 128 bytes (allocated at exactly that size, so that a sanitizer
// sees any write past it), and a package of longer records is refused when it
// arrives, nothing copied and the collection back at page 0.
TEST_F(BioUserList, RecordSizeAboveTheDocumentedLargestIsRefusedAtReceive) {
    struct Case {
        uint16_t record_size;
        uint8_t code;
    } cases[] = {{16, 0}, {128, 0}, {129, 128}, {256, 128}, {65535, 128}};
    open_tcp_lib();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record_size);
        tcp_.reset();
        api().InicializarColetaListaUsuariosBio();
        // Page 0 of 0..1 read, so the page index is 1 when page 1 arrives.
        tcp_.queue_answer(page_answer(0, 1, 8));
        tcp_.queue_answer(package(1, 4, {1, 2, 3, 4}));
        ASSERT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));
        const size_t held = std::min<size_t>(c.record_size, 300);
        Bytes records(held);
        for (size_t i = 0; i < held; ++i) records[i] = static_cast<uint8_t>(i + 7);
        tcp_.queue_answer(page_answer(1, 1, static_cast<uint16_t>(4 + held)));
        tcp_.queue_answer(package(1, c.record_size, records));
        EXPECT_EQ(c.code, api().ReceberPacoteListaUsuariosBio(3));

        std::vector<uint8_t> record_buffer(128, 0xEE);
        std::unique_ptr<uint8_t[]> owned(new uint8_t[128]);  // exactly the documented size
        uint8_t* record = owned.get();
        std::copy(record_buffer.begin(), record_buffer.end(), record);
        if (c.code == 0) {
            EXPECT_EQ(1, api().TemProximoUsuario());
            EXPECT_EQ(0, api().ReceberUsuarioLista(3, record));
            EXPECT_TRUE(std::equal(records.begin(), records.end(), record));
            EXPECT_EQ(0, api().TemProximoPacote());  // page 2 > last page 1
        } else {
            EXPECT_EQ(0, api().TemProximoUsuario());
            EXPECT_EQ(128, api().ReceberUsuarioLista(3, record));
            EXPECT_TRUE(std::equal(record_buffer.begin(), record_buffer.end(), record));
            tcp_.reset();
            ASSERT_EQ(0, api().SolicitarListaUsuariosBio(3));
            EXPECT_EQ(biotest::request(10, {0}), sent().at(0).data);  // back at page 0
        }
    }
}
