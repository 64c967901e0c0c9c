// Model, version, user-count and record-size answers, and the records read
// after an answer: one user's 844 bytes, the reader's 404-byte template, a
// fingerprint record.
#include <cstring>
#include <functional>

#include "bio_test_support.h"

namespace {

using biotest::answer;
using biotest::Bytes;
using biotest::event;

class BioQueries : public biotest::TcpTest {};

// Version bytes read as two decimal digits each; the fingerprint record's
// size 472 or 876; a failed answer zeroes what it would have written. The
// user count tries up to 12 answers until the first success, and writes
// nothing when none came.
TEST_F(BioQueries, AnswersGiveTheirValues) {
    auto& a = api();
    using Read = std::function<uint8_t(int32_t*, int32_t*)>;
    const Read version = [&](int32_t* x, int32_t* y) { return a.ReceberVersaoBio(3, 0, x, y); };
    const Read model = [&](int32_t* x, int32_t*) { return a.ReceberModeloBio(3, 0, x); };
    const Read model_online = [&](int32_t* x, int32_t*) { return a.ReceberModeloBio(3, 1, x); };
    const Read size = [&](int32_t* x, int32_t*) { return a.ReceberRespostaRequisicaoBio(3, x); };
    const Read count = [&](int32_t* x, int32_t*) { return a.ReceberQuantidadeUsuariosBio(3, 0, x); };
    using Answers = std::vector<Bytes>;
    struct Case {
        Read read;
        Answers answers;
        uint8_t code;
        int32_t first, second;  // 9, -1: not written
        size_t reads = 1;
    } cases[] = {
        {version, {answer(1, {0x02, 0x15})}, 0, 2, 15}, {version, {answer(1, {0x12, 0x1A})}, 0, 12, 1},
        {version, {answer(1, {0xA1, 0x0A})}, 0, 0, 0},  {version, {answer(1, {0x05, 0x99})}, 0, 5, 99},
        {version, {answer(1, {0x00, 0x10})}, 0, 0, 10}, {version, {answer(2)}, 129, 0, 0},
        {model, {answer(5)}, 132, 0, -1},               {model_online, {event(13, 1, {1, 0x07})}, 0, 7, -1},
        {size, {answer(1, {0x00, 0xD8})}, 0, 472, -1},  {size, {answer(1, {0x01, 0x6C})}, 0, 876, -1},
        {size, {answer(1, {0x00, 0x00})}, 0, 876, -1},  {size, {answer(5)}, 132, 0, -1},
        {size, {}, 128, 0, -1},                         {count, {answer(1, {0x01, 0x2C})}, 0, 300, -1},
        {count, {answer(2), answer(3), answer(1, {0xFF, 0xFF})}, 0, 65535, -1, 3},
        {count, {}, 128, 9, -1, 12},                    {count, Answers(12, answer(6)), 133, 9, -1, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.answers));
        tcp_.reset();
        for (const Bytes& b : c.answers) tcp_.queue_answer(b);
        int32_t first = 9, second = -1;
        EXPECT_EQ(c.code, c.read(&first, &second));
        EXPECT_EQ(c.first, first);
        EXPECT_EQ(c.second, second);
        EXPECT_EQ(c.reads, tcp_.calls("Recebe_Dados").size());
    }
}

// The record is read (its own command, its own length) only after a
// successful answer, and written only when it arrived whole; the fingerprint
// record, of the size the host asks for, needs no answer first.
TEST_F(BioQueries, RecordsFollowASuccessfulAnswer) {
    Bytes user(844), tmpl(404), fingerprint(876);
    for (size_t i = 0; i < user.size(); ++i) user[i] = static_cast<uint8_t>(i * 7);
    for (size_t i = 0; i < tmpl.size(); ++i) tmpl[i] = static_cast<uint8_t>(255 - i);
    for (size_t i = 0; i < fingerprint.size(); ++i) fingerprint[i] = static_cast<uint8_t>(i * 5);
    const Bytes fingerprint472(fingerprint.begin(), fingerprint.begin() + 472);
    uint8_t out[900];
    auto user_record = [&] { return api().ReceberUsuarioCadastradoBio(3, 0, out); };
    auto reader_template = [&] { return api().ReceberTemplateLeitor(3, 0, out); };
    auto captured = [&] { return api().ReceberTemplateCapturadoCorvo(3, out); };
    auto fingerprint_of = [&](int32_t size) { return [&, size] { return api().ReceberDigitalUsuario(3, out, size); }; };
    struct Case {
        const char* what;
        std::function<uint8_t()> call;
        std::vector<Bytes> answers;
        int32_t fail_last;  // a non-zero back-end result for the last answer
        uint8_t code;
        biotest::Reads reads;
    } cases[] = {
        {"user: module error", user_record, {answer(4)}, 0, 131, {{3, 220, 17}}},
        {"user: record missing", user_record, {answer(1)}, 0, 1, {{3, 220, 17}, {3, 221, 844}}},
        {"user record", user_record, {answer(1), user}, 0, 0, {{3, 220, 17}, {3, 221, 844}}},
        {"template: no answer", reader_template, {}, 0, 128, {{3, 220, 17}}},
        {"template: module error", reader_template, {answer(14)}, 0, 134, {{3, 220, 17}}},
        {"template missing: 1 becomes 128", reader_template, {answer(1), tmpl}, 21, 128,
         {{3, 220, 17}, {3, 223, 404}}},
        {"template", reader_template, {answer(1), tmpl}, 0, 0, {{3, 220, 17}, {3, 223, 404}}},
        {"captured template", captured, {tmpl}, 0, 0, {{3, 223, 404}}},
        {"captured template missing: 1 stays", captured, {tmpl}, 21, 1, {{3, 223, 404}}},
        {"fingerprint record, 472 bytes", fingerprint_of(472), {fingerprint472}, 0, 0, {{3, 231, 472}}},
        {"fingerprint record, 876 bytes", fingerprint_of(876), {fingerprint}, 0, 0, {{3, 231, 876}}},
        {"fingerprint record missing", fingerprint_of(472), {fingerprint472}, 21, 1, {{3, 231, 472}}},
        {"fingerprint record of 877 bytes", fingerprint_of(877), {}, 0, 130, {}},
        {"fingerprint record of 0 bytes", fingerprint_of(0), {}, 0, 130, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        for (size_t i = 0; i < c.answers.size(); ++i) {
            tcp_.queue_answer(i + 1 == c.answers.size() && c.fail_last ? c.fail_last : 40, c.answers[i]);
        }
        std::memset(out, 0x11, sizeof out);
        EXPECT_EQ(c.code, c.call());
        EXPECT_EQ(c.reads, biotest::reads(tcp_));
        const size_t size = c.reads.empty() ? 0 : static_cast<size_t>(c.reads.back()[2]);
        if (c.code == 0) {
            EXPECT_EQ(c.answers.back(), Bytes(out, out + size));
        } else {
            EXPECT_EQ(0x11, out[0]);
        }
        EXPECT_EQ(0x11, out[size]);
    }
}

}  // namespace
