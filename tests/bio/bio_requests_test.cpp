// The requests to the fingerprint module (17 bytes, command 120, and the
// template to compare), the identifier field in its three forms, which
// one-shot flag each request clears, and the fingerprint record sent.
#include <functional>

#include "bio_test_support.h"

namespace {

using biotest::Bytes;
using biotest::request;
using biotest::request_text;
using biotest::Sends;

class BioRequests : public biotest::TcpTest {};

TEST_F(BioRequests, EachRequestSendsItsBytes) {
    Bytes tmpl(404);
    for (size_t i = 0; i < tmpl.size(); ++i) tmpl[i] = static_cast<uint8_t>(i * 3);
    struct Case {
        const char* what;
        std::function<uint8_t()> call;
        Bytes payload;
        int32_t command = 120;
    } cases[] = {
        {"comparison: the template as it is", [&] { return api().CompararDigitalLeitor(3, tmpl.data()); }, tmpl, 123},
        {"model", [&] { return api().SolicitarModeloBio(3); }, request(1)},
        {"version", [&] { return api().SolicitarVersaoBio(3); }, request(2)},
        {"user count", [&] { return api().SolicitarQuantidadeUsuariosBio(3); }, request(3)},
        {"identify", [&] { return api().FazerIdentificacaoBiometricaBio(3); }, request(31)},
        {"template", [&] { return api().SolicitarTemplateLeitor(3); }, request(33)},
        {"configure 5,0", [&] { return api().ConfigurarBio(3, 5, 0); }, request(60, {1, 0})},
        {"configure 0,255", [&] { return api().ConfigurarBio(3, 0, 255); }, request(60, {0, 1})},
        {"fingerprint of 42", [&] { return api().SolicitarDigitalUsuario(3, "42"); },
         request_text(20, 1, "0000000000000042")},
        {"fingerprint of 18 digits", [&] { return api().SolicitarDigitalUsuario(3, "123456789012345678"); },
         request_text(20, 1, "1234567890123456")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        ASSERT_EQ(0, c.call());
        EXPECT_EQ((Sends{{3, c.command, c.payload}}), biotest::sends(tcp_));
    }
}

// Each step may set flags first, then calls one request; the expected bytes
// show which form the flags chose, and so what the earlier steps cleared.
TEST_F(BioRequests, IdentifierFormsAndFlagClearing) {
    auto del = [&](const char* id) { return api().SolicitarExclusaoUsuario(3, id); };
    auto query = [&](const char* id) { return api().SolicitarUsuarioCadastradoBio(3, id); };
    auto verify = [&](const char* id) { return api().FazerVerificacaoBiometricaBio(3, id); };
    auto enrol = [&](uint8_t option, const char* id) { return api().InserirUsuarioLeitorBio(3, option, id); };
    struct Step {
        const char* what;
        int32_t light, variable;  // -1: leave the flag alone
        std::function<uint8_t()> call;
        uint8_t code;
        Bytes payload;  // empty: nothing sent
    } steps[] = {
        {"delete, no flag: standard", -1, -1, [&] { return del("123"); }, 0, request_text(21, 1, "0000000123")},
        {"delete, light", 1, -1, [&] { return del("123"); }, 0, request_text(21, 1, "00000123")},
        {"delete cleared light", -1, -1, [&] { return del("123"); }, 0, request_text(21, 1, "0000000123")},
        {"query, variable", -1, 1, [&] { return query("123"); }, 0, request_text(20, 1, "0000000000000123")},
        {"query keeps variable", -1, -1, [&] { return query("123"); }, 0, request_text(20, 1, "0000000000000123")},
        {"delete uses variable", -1, -1, [&] { return del("123"); }, 0, request_text(21, 1, "0000000000000123")},
        {"delete cleared variable", -1, -1, [&] { return del("123"); }, 0, request_text(21, 1, "0000000123")},
        {"query, both: light wins", 1, 1, [&] { return query("9"); }, 0, request_text(20, 1, "00000009")},
        {"query cleared light only", -1, -1, [&] { return query("9"); }, 0, request_text(20, 1, "0000000000000009")},
        {"verify ignores variable", -1, -1, [&] { return verify("42"); }, 0, request_text(30, 1, "0000000042")},
        {"verify, light", 1, -1, [&] { return verify("42"); }, 0, request_text(30, 1, "00000042")},
        {"verify cleared light", -1, -1, [&] { return verify("42"); }, 0, request_text(30, 1, "0000000042")},
        {"enrol, variable over the option", -1, -1, [&] { return enrol(1, "42"); }, 0,
         request_text(23, 1, "0000000000000042")},
        {"enrol cleared variable", -1, -1, [&] { return enrol(1, "42"); }, 0, request_text(23, 2, "0000000042", {1})},
        {"enrol, light", 1, -1, [&] { return enrol(2, "42"); }, 0, request_text(23, 2, "00000042", {2})},
        {"enrol cleared light", -1, -1, [&] { return enrol(0, "42"); }, 0, request_text(23, 2, "0000000042", {0})},
        {"12 characters: the first 10", -1, -1, [&] { return query("123456789012"); }, 0,
         request_text(20, 1, "1234567890")},
        {"empty identifier refused", 1, -1, [&] { return query(""); }, 128, {}},
        {"bad option refused", -1, -1, [&] { return enrol(3, "42"); }, 129, {}},
        {"empty enrol identifier refused", -1, -1, [&] { return enrol(9, ""); }, 128, {}},
        {"empty verify identifier refused", -1, -1, [&] { return verify(""); }, 128, {}},
        {"refusals cleared nothing", -1, -1, [&] { return del("5"); }, 0, request_text(21, 1, "00000005")},
        {"a failed send, light", 1, -1, [&] { tcp_.queue_result("Envia_Dados", 21); return del("7"); }, 1,
         request_text(21, 1, "00000007")},
        {"the failed send cleared light", -1, -1, [&] { return del("7"); }, 0, request_text(21, 1, "0000000007")},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        if (s.light >= 0) api().SetarBioLight(s.light);
        if (s.variable >= 0) api().SetarBioVariavel(s.variable);
        tcp_.reset();
        EXPECT_EQ(s.code, s.call());
        EXPECT_EQ((s.payload.empty() ? Sends{} : Sends{{3, 120, s.payload}}), biotest::sends(tcp_));
    }
}

TEST_F(BioRequests, FlagSettersStoreOneOrZero) {
    const int32_t cases[][2] = {{1, 1}, {0, 0}, {7, 1}, {-1, 1}, {0x10000, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(c[1], api().SetarBioLight(c[0])) << c[0];
        EXPECT_EQ(c[1], api().SetarBioVariavel(c[0])) << c[0];
    }
}

// The record: 0xC3, the identifier's pair code at 5..12, 0xFC 0x08 at 32,
// the time at 40, the template table at 48..67, then the templates.
TEST_F(BioRequests, FingerprintRecordWithOneOrTwoTemplates) {
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
