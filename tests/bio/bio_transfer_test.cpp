// Enrolment round trip, templates, the 844-byte user record with its local
// time, and the comparison with the reader.
#include <cstring>

#include "bio_test_support.h"
#include "sdk_test.h"

namespace {

using biotest::answer;
using biotest::Bytes;
using biotest::event;

class BioTransfer : public testsupport::SdkTest {};

// The one family case that also runs under Wine against the Win32 fake back
// end: an enrolment request and its answer, offline and online.
TEST_F(BioTransfer, EnrolmentRequestAndAnswer) {
    open_tcp_lib();
    ASSERT_EQ(0, api().InserirUsuarioLeitorBio(8, 1, "42"));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(8, s[0].terminal);
    EXPECT_EQ(120, s[0].command);
    EXPECT_EQ(biotest::request_text(23, 2, "0000000042", {1}), s[0].data);

    tcp_.queue_answer(answer(1));
    EXPECT_EQ(0, api().ResultadoInsercaoUsuarioLeitorBio(8, 0));
    tcp_.queue_answer(answer(3));
    EXPECT_EQ(130, api().ResultadoInsercaoUsuarioLeitorBio(8, 0));
    tcp_.queue_answer(event(13, 0, {1}));
    EXPECT_EQ(0, api().ResultadoInsercaoUsuarioLeitorBio(8, 1));
}

TEST_F(BioTransfer, TemplatesFromTheReader) {
    open_tcp_lib();
    Bytes tmpl(404);
    for (size_t i = 0; i < tmpl.size(); ++i) tmpl[i] = static_cast<uint8_t>(255 - i);
    uint8_t out[405];
    struct Case {
        const char* what;
        bool captured;  // ReceberTemplateCapturadoCorvo, else ReceberTemplateLeitor offline
        std::vector<Bytes> answers;
        int32_t fail_last;  // a non-zero back-end result for the last answer
        uint8_t code;
        bool written;
    } cases[] = {
        {"answer and template", false, {answer(1), tmpl}, 0, 0, true},
        {"no answer: 128", false, {}, 0, 128, false},
        {"module error", false, {answer(14)}, 0, 134, false},
        {"template missing: 1 becomes 128", false, {answer(1), tmpl}, 21, 128, false},
        {"captured template", true, {tmpl}, 0, 0, true},
        {"captured template missing: 1 stays", true, {tmpl}, 21, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        for (size_t i = 0; i < c.answers.size(); ++i) {
            const bool last = i + 1 == c.answers.size();
            tcp_.queue_answer(last && c.fail_last ? c.fail_last : 40, c.answers[i]);
        }
        std::memset(out, 0x11, sizeof out);
        const uint8_t code = c.captured ? api().ReceberTemplateCapturadoCorvo(3, out)
                                        : api().ReceberTemplateLeitor(3, 0, out);
        EXPECT_EQ(c.code, code);
        if (c.written) {
            EXPECT_EQ(0, std::memcmp(out, tmpl.data(), 404));
            auto r = tcp_.calls("Recebe_Dados");
            EXPECT_EQ(223, r.back().ints[1]);
            EXPECT_EQ(404, r.back().ints[2]);
        } else {
            EXPECT_EQ(0x11, out[0]);
        }
        EXPECT_EQ(0x11, out[404]);
    }
}

TEST_F(BioTransfer, ComparisonSendsTheTemplateAsItIs) {
    open_tcp_lib();
    Bytes tmpl(404);
    for (size_t i = 0; i < tmpl.size(); ++i) tmpl[i] = static_cast<uint8_t>(i * 3);
    ASSERT_EQ(0, api().CompararDigitalLeitor(6, tmpl.data()));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(123, s[0].command);
    EXPECT_EQ(tmpl, s[0].data);
    for (int i = 0; i < 7; ++i) tcp_.queue_answer(event(13, 0, {22}));
    EXPECT_EQ(136, api().ResultadoComparacaoDigitalLeitor(6, 1));
}

TEST_F(BioTransfer, UserRecordEndsWithTheLocalTime) {
    open_tcp_lib();
    Bytes record(836);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(i ^ 0x5A);
    ASSERT_EQ(0, api().EnviarUsuarioBio(3, record.data()));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(121, s[0].command);
    ASSERT_EQ(844u, s[0].data.size());  // the time's bytes: BioFixedTime.UserRecordCarriesTheBcdTime
    EXPECT_TRUE(std::equal(record.begin(), record.end(), s[0].data.begin()));

    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().EnviarUsuarioBio(3, record.data()));
    tcp_.queue_answer(answer(1));
    EXPECT_EQ(0, api().UsuarioFoiEnviado(3, 0));
}

}  // namespace
