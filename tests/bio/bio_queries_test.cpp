// Model, version and user-count answers, and one user's 844-byte record.
#include <cstring>

#include "bio_test_support.h"
#include "sdk_test.h"

namespace {

using biotest::answer;
using biotest::Bytes;
using biotest::event;

class BioQueries : public testsupport::SdkTest {};

TEST_F(BioQueries, VersionBytesReadAsTwoDecimalDigits) {
    open_tcp_lib();
    struct Case {
        uint8_t major_byte, minor_byte;
        int32_t major, minor;
    } cases[] = {{0x02, 0x15, 2, 15}, {0x12, 0x1A, 12, 1}, {0xA1, 0x0A, 0, 0}, {0x05, 0x99, 5, 99}, {0x00, 0x10, 0, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.major_byte));
        tcp_.queue_answer(answer(1, {c.major_byte, c.minor_byte}));
        int32_t major = -1, minor = -1;
        EXPECT_EQ(0, api().ReceberVersaoBio(3, 0, &major, &minor));
        EXPECT_EQ(c.major, major);
        EXPECT_EQ(c.minor, minor);
    }
}

TEST_F(BioQueries, FailedAnswersZeroTheModelAndVersion) {
    open_tcp_lib();
    int32_t model = 9, major = 9, minor = 9;
    tcp_.queue_answer(answer(5));
    EXPECT_EQ(132, api().ReceberModeloBio(3, 0, &model));
    EXPECT_EQ(0, model);
    tcp_.queue_answer(answer(2));
    EXPECT_EQ(129, api().ReceberVersaoBio(3, 0, &major, &minor));
    EXPECT_EQ(0, major);
    EXPECT_EQ(0, minor);
    tcp_.queue_answer(event(13, 1, {1, 0x07}));
    EXPECT_EQ(0, api().ReceberModeloBio(3, 1, &model));
    EXPECT_EQ(7, model);
}

TEST_F(BioQueries, UserCountTriesUntilTheFirstSuccess) {
    open_tcp_lib();
    struct Case {
        const char* what;
        std::vector<Bytes> answers;
        uint8_t code;
        int32_t count;  // -5: not written
        size_t reads;
    } cases[] = {
        {"first answer", {answer(1, {0x01, 0x2C})}, 0, 300, 1},
        {"after two errors", {answer(2), answer(3), answer(1, {0xFF, 0xFF})}, 0, 65535, 3},
        {"no answer at all", {}, 128, -5, 12},
        {"errors only", std::vector<Bytes>(12, answer(6)), 133, -5, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        for (const Bytes& a : c.answers) tcp_.queue_answer(a);
        int32_t count = -5;
        EXPECT_EQ(c.code, api().ReceberQuantidadeUsuariosBio(3, 0, &count));
        EXPECT_EQ(c.count, count);
        EXPECT_EQ(c.reads, tcp_.calls("Recebe_Dados").size());
    }
}

TEST_F(BioQueries, UserRecordFollowsASuccessfulAnswer) {
    open_tcp_lib();
    Bytes record(844);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(i * 7);
    uint8_t out[845];
    std::memset(out, 0xAA, sizeof out);

    // Module error: no record read, buffer untouched.
    tcp_.queue_answer(answer(4));
    EXPECT_EQ(131, api().ReceberUsuarioCadastradoBio(3, 0, out));
    EXPECT_EQ(1u, tcp_.calls("Recebe_Dados").size());
    EXPECT_EQ(0xAA, out[0]);

    // Record receive fails: its code, buffer untouched.
    tcp_.reset();
    tcp_.queue_answer(answer(1));
    EXPECT_EQ(1, api().ReceberUsuarioCadastradoBio(3, 0, out));
    EXPECT_EQ(0xAA, out[0]);

    tcp_.reset();
    tcp_.queue_answer(answer(1));
    tcp_.queue_answer(record);
    EXPECT_EQ(0, api().ReceberUsuarioCadastradoBio(3, 0, out));
    auto r = tcp_.calls("Recebe_Dados");
    ASSERT_EQ(2u, r.size());
    EXPECT_EQ(221, r[1].ints[1]);
    EXPECT_EQ(844, r[1].ints[2]);
    EXPECT_EQ(0, std::memcmp(out, record.data(), 844));
    EXPECT_EQ(0xAA, out[844]);
}

}  // namespace
