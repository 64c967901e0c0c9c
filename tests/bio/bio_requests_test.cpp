// The 17-byte requests to the fingerprint module (command 120), the
// identifier field in its three forms, and which one-shot flag each request
// clears.
#include <functional>

#include "bio_test_support.h"
#include "sdk_test.h"

namespace {

using biotest::Bytes;
using biotest::request;
using biotest::request_text;

class BioRequests : public testsupport::SdkTest {};

TEST_F(BioRequests, EachRequestSendsItsSeventeenBytes) {
    open_tcp_lib();
    const std::string id18 = "123456789012345678";
    struct Case {
        const char* what;
        std::function<uint8_t()> call;
        Bytes payload;
    } cases[] = {
        {"model", [&] { return api().SolicitarModeloBio(3); }, request(1)},
        {"version", [&] { return api().SolicitarVersaoBio(3); }, request(2)},
        {"user count", [&] { return api().SolicitarQuantidadeUsuariosBio(3); }, request(3)},
        {"identify", [&] { return api().FazerIdentificacaoBiometricaBio(3); }, request(31)},
        {"template", [&] { return api().SolicitarTemplateLeitor(3); }, request(33)},
        {"configure 5,0", [&] { return api().ConfigurarBio(3, 5, 0); }, request(60, {1, 0})},
        {"configure 0,255", [&] { return api().ConfigurarBio(3, 0, 255); }, request(60, {0, 1})},
        {"list page 0", [&] { return api().SolicitarListaUsuariosBio(3); }, request(10, {0})},
        {"fingerprint list page 0", [&] { return api().SolicitarListaUsuariosBioVariavel(3); }, request(11, {0})},
        {"fingerprint of 42", [&] { return api().SolicitarDigitalUsuario(3, "42"); },
         request_text(20, 1, "0000000000000042")},
        {"fingerprint of 18 digits", [&] { return api().SolicitarDigitalUsuario(3, id18.c_str()); },
         request_text(20, 1, "1234567890123456")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        ASSERT_EQ(0, c.call());
        auto s = sent();
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(3, s[0].terminal);
        EXPECT_EQ(120, s[0].command);
        EXPECT_EQ(c.payload, s[0].data);
    }
}

// Each step may set flags first, then calls one request; the expected bytes
// show which form the flags chose, and so what the earlier steps cleared.
TEST_F(BioRequests, IdentifierFormsAndFlagClearing) {
    open_tcp_lib();
    const Bytes none;
    struct Step {
        const char* what;
        int32_t light;     // -1: leave the flag alone
        int32_t variable;  // -1: leave the flag alone
        std::function<uint8_t()> call;
        uint8_t code;
        Bytes payload;  // empty: nothing sent
    } steps[] = {
        {"delete, no flag: standard", -1, -1, [&] { return api().SolicitarExclusaoUsuario(3, "123"); }, 0,
         request_text(21, 1, "0000000123")},
        {"delete, light", 1, -1, [&] { return api().SolicitarExclusaoUsuario(3, "123"); }, 0,
         request_text(21, 1, "00000123")},
        {"delete cleared light", -1, -1, [&] { return api().SolicitarExclusaoUsuario(3, "123"); }, 0,
         request_text(21, 1, "0000000123")},
        {"query, variable", -1, 1, [&] { return api().SolicitarUsuarioCadastradoBio(3, "123"); }, 0,
         request_text(20, 1, "0000000000000123")},
        {"query keeps variable", -1, -1, [&] { return api().SolicitarUsuarioCadastradoBio(3, "123"); }, 0,
         request_text(20, 1, "0000000000000123")},
        {"delete uses variable", -1, -1, [&] { return api().SolicitarExclusaoUsuario(3, "123"); }, 0,
         request_text(21, 1, "0000000000000123")},
        {"delete cleared variable", -1, -1, [&] { return api().SolicitarExclusaoUsuario(3, "123"); }, 0,
         request_text(21, 1, "0000000123")},
        {"query, both: light wins", 1, 1, [&] { return api().SolicitarUsuarioCadastradoBio(3, "9"); }, 0,
         request_text(20, 1, "00000009")},
        {"query cleared light only", -1, -1, [&] { return api().SolicitarUsuarioCadastradoBio(3, "9"); }, 0,
         request_text(20, 1, "0000000000000009")},
        {"verify ignores variable", -1, -1, [&] { return api().FazerVerificacaoBiometricaBio(3, "42"); }, 0,
         request_text(30, 1, "0000000042")},
        {"verify, light", 1, -1, [&] { return api().FazerVerificacaoBiometricaBio(3, "42"); }, 0,
         request_text(30, 1, "00000042")},
        {"verify cleared light", -1, -1, [&] { return api().FazerVerificacaoBiometricaBio(3, "42"); }, 0,
         request_text(30, 1, "0000000042")},
        {"enrol, variable over the option", -1, -1, [&] { return api().InserirUsuarioLeitorBio(3, 1, "42"); }, 0,
         request_text(23, 1, "0000000000000042")},
        {"enrol cleared variable", -1, -1, [&] { return api().InserirUsuarioLeitorBio(3, 1, "42"); }, 0,
         request_text(23, 2, "0000000042", {1})},
        {"enrol, light", 1, -1, [&] { return api().InserirUsuarioLeitorBio(3, 2, "42"); }, 0,
         request_text(23, 2, "00000042", {2})},
        {"enrol cleared light", -1, -1, [&] { return api().InserirUsuarioLeitorBio(3, 0, "42"); }, 0,
         request_text(23, 2, "0000000042", {0})},
        {"12 characters: the first 10", -1, -1,
         [&] { return api().SolicitarUsuarioCadastradoBio(3, "123456789012"); }, 0,
         request_text(20, 1, "1234567890")},
        {"empty identifier refused", 1, -1, [&] { return api().SolicitarUsuarioCadastradoBio(3, ""); }, 128,
         none},
        {"bad option refused", -1, -1, [&] { return api().InserirUsuarioLeitorBio(3, 3, "42"); }, 129, none},
        {"empty enrol identifier refused", -1, -1, [&] { return api().InserirUsuarioLeitorBio(3, 9, ""); }, 128,
         none},
        {"empty verify identifier refused", -1, -1, [&] { return api().FazerVerificacaoBiometricaBio(3, ""); },
         128, none},
        {"refusals cleared nothing", -1, -1, [&] { return api().SolicitarExclusaoUsuario(3, "5"); }, 0,
         request_text(21, 1, "00000005")},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        if (s.light >= 0) api().SetarBioLight(s.light);
        if (s.variable >= 0) api().SetarBioVariavel(s.variable);
        tcp_.reset();
        EXPECT_EQ(s.code, s.call());
        auto out = sent();
        if (s.payload.empty()) {
            EXPECT_TRUE(out.empty());
        } else {
            ASSERT_EQ(1u, out.size());
            EXPECT_EQ(120, out[0].command);
            EXPECT_EQ(s.payload, out[0].data);
        }
    }
}

TEST_F(BioRequests, AFailedSendStillClearsTheFlag) {
    open_tcp_lib();
    api().SetarBioLight(1);
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().SolicitarExclusaoUsuario(3, "7"));
    tcp_.reset();
    EXPECT_EQ(0, api().SolicitarExclusaoUsuario(3, "7"));
    EXPECT_EQ(request_text(21, 1, "0000000007"), sent().at(0).data);
}

TEST_F(BioRequests, FlagSettersStoreOneOrZero) {
    struct Case {
        int32_t value;
        int32_t stored;
    } cases[] = {{1, 1}, {0, 0}, {7, 1}, {-1, 1}, {0x10000, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.stored, api().SetarBioLight(c.value)) << c.value;
        EXPECT_EQ(c.stored, api().SetarBioVariavel(c.value)) << c.value;
    }
}

TEST_F(BioRequests, ListRequestsCarryThePageIndex) {
    open_tcp_lib();
    // Page 0 answered with one record: the page index moves to 1.
    tcp_.queue_answer(biotest::answer(1, {0, 3, 0, 8}));
    tcp_.queue_answer({0, 1, 0, 4, 9, 9, 9, 9});
    ASSERT_EQ(0, api().ReceberPacoteListaUsuariosBio(3));
    tcp_.reset();
    ASSERT_EQ(0, api().SolicitarListaUsuariosBio(3));
    ASSERT_EQ(0, api().SolicitarListaUsuariosBioVariavel(3));
    auto s = sent();
    ASSERT_EQ(2u, s.size());
    EXPECT_EQ(request(10, {1}), s[0].data);
    EXPECT_EQ(request(11, {1}), s[1].data);
}

}  // namespace
