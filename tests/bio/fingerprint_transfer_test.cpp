// Fingerprint records: the paged list of users with fingerprint and its
// decoding (the list's answer and package checks are the user list's),
// fetching one record (its size: BioQueries.AnswersGiveTheirValues), and the
// record sent.
#include <cstring>

#include "bio_test_support.h"
#include "sdk_test.h"

namespace {

using biotest::Bytes;
using biotest::page_answer;
using biotest::Reads;
using biotest::reads;

class FingerprintTransfer : public testsupport::SdkTest {};

TEST_F(FingerprintTransfer, ListRecordsDecodeByPairs) {
    open_tcp_lib();
    uint8_t out[12];
    EXPECT_EQ(128, api().ReceberUsuarioComDigital(out));  // no package yet
    // Two records of 16 bytes: identifier bytes in the pair code.
    Bytes package = {0, 2, 0, 16, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02, 0x24, 0x46, 0x1A, 0x00, 0x9A,
                     0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    package.resize(36, 0x01);
    tcp_.queue_answer(page_answer(0, 0, 36));
    tcp_.queue_answer(package);
    ASSERT_EQ(0, api().SolicitarListaUsuariosComDigital(3));
    EXPECT_EQ((Reads{{3, 220, 17}, {3, 222, 36}}), reads(tcp_));

    std::memset(out, 0x77, sizeof out);
    ASSERT_EQ(1, api().TemProximoUsuario());
    ASSERT_EQ(0, api().ReceberUsuarioComDigital(out));
    EXPECT_EQ((Bytes{0, 0, 0, 0, 0, 1, 23, 45, 19, 255, 99, 0x77}), Bytes(out, out + 12));  // 11 bytes only
    ASSERT_EQ(0, api().ReceberUsuarioComDigital(out));
    EXPECT_EQ(Bytes(11, 0), Bytes(out, out + 11));
    EXPECT_EQ(0, api().TemProximoUsuario());
    EXPECT_EQ(128, api().ReceberUsuarioComDigital(out));  // past the last record
}

// The internal package step reads again from the terminal of the last list
// answer, whatever its argument.
TEST_F(FingerprintTransfer, PackageStepUsesTheAnsweredTerminal) {
    open_tcp_lib();
    EXPECT_EQ(136, api().ReceberListaUsuariosDigital(0));  // nothing announced
    tcp_.queue_answer(page_answer(0, 0, 20));
    tcp_.queue_answer(21, {});
    EXPECT_EQ(1, api().SolicitarListaUsuariosComDigital(6));
    tcp_.reset();
    Bytes package(20, 0x01);
    std::copy_n(Bytes{0, 1, 0, 16}.begin(), 4, package.begin());
    tcp_.queue_answer(package);
    ASSERT_EQ(0, api().ReceberListaUsuariosDigital(12345));
    EXPECT_EQ((Reads{{6, 222, 20}}), reads(tcp_));
    uint8_t out[11];
    EXPECT_EQ(0, api().ReceberUsuarioComDigital(out));
}

TEST_F(FingerprintTransfer, RecordReceiveWritesExactlyTheSizeAskedFor) {
    open_tcp_lib();
    Bytes record(876);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(i * 5);
    std::vector<uint8_t> out(900);
    struct Case {
        int32_t size;
        int32_t result;  // back-end result of the receive, 0: nothing queued
        uint8_t code;
    } cases[] = {{472, 40, 0}, {876, 40, 0}, {472, 21, 1}, {877, 0, 130}, {0, 0, 130}, {-4, 0, 130}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        tcp_.reset();
        if (c.result) tcp_.queue_answer(c.result, record);
        std::fill(out.begin(), out.end(), 0x33);
        EXPECT_EQ(c.code, api().ReceberDigitalUsuario(3, out.data(), c.size));
        EXPECT_EQ((c.code == 130 ? Reads{} : Reads{{3, 231, c.size}}), reads(tcp_));
        const size_t written = c.code == 0 ? static_cast<size_t>(c.size) : 0;
        EXPECT_TRUE(std::equal(out.begin(), out.begin() + written, record.begin()));
        EXPECT_EQ(0x33, out[written]);
    }
}

// The record: 0xC3, the identifier's pair code at 5..12, 0xFC 0x08 at 32,
// the time at 40, the template table at 48..67, then the templates.
TEST_F(FingerprintTransfer, RecordSentWithOneOrTwoTemplates) {
    open_tcp_lib();
    Bytes t1(404), t2(404, 0);
    for (size_t i = 0; i < t1.size(); ++i) t1[i] = static_cast<uint8_t>(i + 1);
    Bytes t2_set = t2;
    t2_set[9] = 1;  // only byte 9 of the first ten
    struct Case {
        const char* what;
        const char* id;
        const uint8_t* second;
        bool two;  // 876 bytes with the second template, else 472
        Bytes id_bytes;
    } cases[] = {
        {"one template", "12345", nullptr, false, {1, 1, 1, 1, 1, 2, 0x24, 0x46}},
        {"second all zero at the start", "7", t2.data(), false, {1, 1, 1, 1, 1, 1, 1, 8}},
        {"two templates", "ff", t2_set.data(), true, {1, 1, 1, 1, 1, 1, 1, 0}},
        {"16 characters", "0123456789abcdef", nullptr, false, {0x02, 0x24, 0x46, 0x68, 0x8A, 0xAC, 0xCE, 0xF0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        ASSERT_EQ(0, api().EnviarDigitalUsuario(3, c.id, t1.data(), const_cast<uint8_t*>(c.second)));
        auto s = sent();
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(131, s[0].command);
        const Bytes& r = s[0].data;
        ASSERT_LE(68u, r.size());
        Bytes expected(68, 0);
        expected[0] = 0xC3;
        std::copy(c.id_bytes.begin(), c.id_bytes.end(), expected.begin() + 5);
        expected[32] = 0xFC;
        expected[33] = 0x08;
        std::copy(r.begin() + 40, r.begin() + 48, expected.begin() + 40);  // the time: BioFixedTime
        expected[48] = 0x01;
        expected[49] = 0x94;
        expected[50] = c.two ? 0x01 : 0;
        expected[51] = c.two ? 0x94 : 0;
        expected.insert(expected.end(), t1.begin(), t1.end());
        if (c.two) expected.insert(expected.end(), t2_set.begin(), t2_set.end());
        EXPECT_EQ(expected, r);
    }
    EXPECT_EQ(128, api().EnviarDigitalUsuario(3, "01234567890123456", t1.data(), nullptr));  // 17 characters
    EXPECT_EQ(128, api().SolicitarDigitalUsuario(3, ""));
    EXPECT_EQ(1u, sent().size());  // nothing more sent
}

}  // namespace
