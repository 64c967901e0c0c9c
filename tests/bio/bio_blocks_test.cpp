// The blocks the facade keeps for the fingerprint module: the settings block
// (ranges, what a refusal leaves, the block on the wire and its reset) and the
// lists of users without fingerprint (the entries, the three payloads, the
// shared count and what a send leaves behind).
#include <functional>
#include <string>

#include "bio_test_support.h"

namespace {

using biotest::Bytes;

class NoFingerprint : public biotest::TcpTest {
protected:
    Bytes last_payload(int32_t command) {
        auto s = sent();
        EXPECT_FALSE(s.empty());
        if (s.empty()) return {};
        EXPECT_EQ(command, s.back().command);
        return s.back().data;
    }
};

class BioSettings : public NoFingerprint {
protected:
    Bytes send_block() {
        tcp_.reset();
        EXPECT_EQ(0, api().EnviarAjustesBio(3));
        EXPECT_EQ(1u, sent().size());
        return last_payload(133);
    }
    const Bytes defaults_ = {2, 40, 20, 8, 5, 40, 30, 0, 0, 5, 5, 0, 0, 0, 0, 0};
};

// The first row shows the fresh facade's block; each send also resets it.
TEST_F(BioSettings, SettersCheckTheirRangesAndChangeNothingOnRefusal) {
    auto& a = api();
    struct Case {
        const char* what;
        std::function<uint8_t()> call;
        uint8_t code;
        Bytes block;  // the block sent next
    } cases[] = {
        {"sensitivity 3", [&] { return a.ConfigurarAjustesSensibilidadeBio(0, 3, 50, 50); }, 128, defaults_},
        {"sensitivity 101", [&] { return a.ConfigurarAjustesSensibilidadeBio(0, 4, 101, 50); }, 129, defaults_},
        {"sensitivity third 101", [&] { return a.ConfigurarAjustesSensibilidadeBio(0, 4, 0, 101); }, 130, defaults_},
        {"sensitivity 8,100,0", [&] { return a.ConfigurarAjustesSensibilidadeBio(0, 8, 100, 0); }, 0,
         {8, 100, 0, 8, 5, 40, 30, 0, 0, 5, 5, 0, 0, 0, 0, 0}},
        {"security 5", [&] { return a.ConfigurarAjustesSegurancaBio(0, 5, 5); }, 128, defaults_},
        {"security 6,0", [&] { return a.ConfigurarAjustesSegurancaBio(0, 6, 0); }, 129, defaults_},
        {"security 9,1", [&] { return a.ConfigurarAjustesSegurancaBio(0, 9, 1); }, 0,
         {2, 40, 20, 9, 1, 40, 30, 0, 0, 5, 5, 0, 0, 0, 0, 0}},
        {"quality 29", [&] { return a.ConfigurarAjustesQualidadeBio(0, 29, 50); }, 128, defaults_},
        {"quality 100,9", [&] { return a.ConfigurarAjustesQualidadeBio(0, 100, 9); }, 129, defaults_},
        {"quality 30,100", [&] { return a.ConfigurarAjustesQualidadeBio(0, 30, 100); }, 0,
         {2, 40, 20, 8, 5, 30, 100, 0, 0, 5, 5, 0, 0, 0, 0, 0}},
        {"filter 9", [&] { return a.ConfigurarFiltroBio(0, 9); }, 0,
         {2, 40, 20, 8, 5, 40, 30, 1, 0, 5, 5, 0, 0, 0, 0, 0}},
        {"filter 1, then a failed send keeps the block", [&] {
             a.ConfigurarFiltroBio(0, 1);
             tcp_.queue_result("Envia_Dados", 21);
             return a.EnviarAjustesBio(3);
         }, 1, {2, 40, 20, 8, 5, 40, 30, 1, 0, 5, 5, 0, 0, 0, 0, 0}},
        {"capture 0 and 8: fourth first", [&] { return a.ConfigurarCapturaAdaptativaBio(0, 1, 0, 8); }, 128,
         defaults_},
        {"capture value 11", [&] { return a.ConfigurarCapturaAdaptativaBio(0, 1, 11, 7); }, 129, defaults_},
        {"capture 2,10,7", [&] { return a.ConfigurarCapturaAdaptativaBio(0, 2, 10, 7); }, 0,
         {2, 40, 20, 8, 5, 40, 30, 0, 1, 10, 7, 0, 0, 0, 0, 0}},
        {"time-out 9", [&] { return a.ConfigurarTimeoutIdentificacao(9); }, 128, defaults_},
        {"LFD 4", [&] { return a.ConfigurarNivelLFD(4); }, 128, defaults_},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.code, c.call());
        EXPECT_EQ(c.block, send_block());
    }
}

TEST_F(BioSettings, ResetKeepsTimeoutAndLfdLevel) {
    ASSERT_EQ(0, api().ConfigurarTimeoutIdentificacao(10));
    ASSERT_EQ(0, api().ConfigurarNivelLFD(3));
    ASSERT_EQ(0, api().ConfigurarAjustesSegurancaBio(0, 7, 7));
    EXPECT_EQ((Bytes{2, 40, 20, 7, 7, 40, 30, 0, 0, 5, 5, 10, 3, 0, 0, 0}), send_block());
    EXPECT_EQ((Bytes{2, 40, 20, 8, 5, 40, 30, 0, 0, 5, 5, 10, 3, 0, 0, 0}), send_block());
    ASSERT_EQ(0, api().ConfigurarTimeoutIdentificacao(255));
    ASSERT_EQ(0, api().ConfigurarNivelLFD(0));
    EXPECT_EQ((Bytes{2, 40, 20, 8, 5, 40, 30, 0, 0, 5, 5, 255, 0, 0, 0, 0}), send_block());
}

// Refused entries change nothing; a failed send keeps the list for another
// try, a good one empties it; the 500-entry list counts in two bytes.
TEST_F(NoFingerprint, Lists250And500PayloadsRefusalsAndEmptying) {
    for (const char* id : {"12345", "7", "1234567890", "12a"}) {  // other characters count 0
        ASSERT_EQ(0, api().IncluirUsuarioSemDigitalBio(id));
    }
    for (const char* id : {static_cast<const char*>(nullptr), "", "12345678901"}) {
        EXPECT_EQ(128, api().IncluirUsuarioSemDigitalBio(id));
    }
    EXPECT_EQ(128, api().IncluirUsuarioSemDigitalBio500("12345678901"));  // 11 characters
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().EnviarListaUsuariosSemDigitalBio(3));
    ASSERT_EQ(0, api().EnviarListaUsuariosSemDigitalBio(3));
    const Bytes head = {4, 0, 0, 1, 0x23, 0x45, 0, 0, 0, 0, 7, 0x12, 0x34, 0x56, 0x78, 0x90, 0, 0, 0, 0x01, 0x20};
    Bytes expected(1251, 0xFF);
    std::copy(head.begin(), head.end(), expected.begin());
    EXPECT_EQ(expected, last_payload(124));

    ASSERT_EQ(0, api().EnviarListaUsuariosSemDigitalBio(3));
    Bytes empty(1251, 0xFF);
    empty[0] = 0;
    EXPECT_EQ(empty, last_payload(124));
    ASSERT_EQ(0, api().EnviarListaUsuariosSemDigitalBio500(3));
    empty.assign(2502, 0xFF);
    empty[0] = empty[1] = 0;
    EXPECT_EQ(empty, last_payload(129));

    for (int i = 0; i < 300; ++i) ASSERT_EQ(0, api().IncluirUsuarioSemDigitalBio500(std::to_string(i).c_str()));
    ASSERT_EQ(0, api().EnviarListaUsuariosSemDigitalBio500(3));
    const Bytes p = last_payload(129);
    ASSERT_EQ(2502u, p.size());
    EXPECT_EQ((Bytes{0x2C, 0x01}), Bytes(p.begin(), p.begin() + 2));  // the count in two bytes
    EXPECT_EQ((Bytes{0, 0, 0, 0x02, 0x99, 0xFF}), Bytes(p.begin() + 2 + 299 * 5, p.begin() + 3 + 300 * 5));
}

// One count serves the three tables: whichever table raised it, an insert
// into a table whose capacity it has reached is refused.
TEST_F(NoFingerprint, SharedCountNeverWritesPastATable) {
    for (int i = 0; i < 250; ++i) ASSERT_EQ(0, api().IncluirUsuarioSemDigitalBio500("1"));
    EXPECT_EQ(128, api().IncluirUsuarioSemDigitalBio("2"));
    for (int i = 250; i < 500; ++i) ASSERT_EQ(0, api().IncluirUsuarioSemDigitalBio500("1"));
    EXPECT_EQ(128, api().IncluirUsuarioSemDigitalBio500("3"));
    for (int i = 500; i < 8000; ++i) ASSERT_EQ(0, api().IncluirUsuarioSemDigitalBioCorvoAcesso("4"));
    EXPECT_EQ(128, api().IncluirUsuarioSemDigitalBioCorvoAcesso("5"));

    // Emptying the 250-entry table resets the count for all three.
    ASSERT_EQ(0, api().EnviarListaUsuariosSemDigitalBio(3));
    ASSERT_EQ(0, api().IncluirUsuarioSemDigitalBio500("6"));
    ASSERT_EQ(0, api().EnviarListaUsuariosSemDigitalBio500(3));
    Bytes p = last_payload(129);
    EXPECT_EQ(1, p[0]);
    EXPECT_EQ((Bytes{0, 0, 0, 0, 6}), Bytes(p.begin() + 2, p.begin() + 7));
    EXPECT_EQ((Bytes{0, 0, 0, 0, 1}), Bytes(p.begin() + 7, p.begin() + 12));  // still there, beyond the count
}

// The 8000-entry table in its two send forms: a fixed header 0xFA 0x02, the
// list kept after a failed send; or the length high byte first, the list
// emptied even by a failed send.
TEST_F(NoFingerprint, Table8000EntriesAndBothSendForms) {
    struct Case {
        const char* id;
        uint8_t code;
        Bytes entry;  // empty: refused
    } cases[] = {
        {"12345", 0, {0, 0, 0, 0, 0, 0x01, 0x23, 0x45}},
        {"7", 0, {0, 0, 0, 0, 0, 0, 0, 0x07}},
        {"ab12", 0, {0, 0, 0, 0, 0, 0, 0x00, 0x12}},
        {"0123456789ABCDEF", 0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}},
        {"", 8, {}},
        {nullptr, 128, {}},
        {"0123456789ABCDEF0", 128, {}},
    };
    for (const bool length_form : {false, true}) {
        SCOPED_TRACE(length_form);
        auto send = [&] {
            return length_form ? api().EnviarListaUsuariosSemDigitalBioVariavel(3, 99)
                               : api().EnviarListaUsuariosSemDigitalBioCorvoAcesso(3);
        };
        Bytes expected = {length_form ? uint8_t{0} : uint8_t{0xFA}, length_form ? uint8_t{34} : uint8_t{0x02}};
        for (const Case& c : cases) {
            EXPECT_EQ(c.code, api().IncluirUsuarioSemDigitalBioCorvoAcesso(c.id)) << (c.id ? c.id : "null");
            expected.insert(expected.end(), c.entry.begin(), c.entry.end());
        }
        ASSERT_EQ(0, send());
        EXPECT_EQ(expected, last_payload(129));
        ASSERT_EQ(0, api().IncluirUsuarioSemDigitalBioCorvoAcesso("1"));
        tcp_.queue_result("Envia_Dados", 21);
        EXPECT_EQ(1, send());
        ASSERT_EQ(0, send());
        expected = length_form ? Bytes{0, 2} : Bytes{0xFA, 0x02, 0, 0, 0, 0, 0, 0, 0, 1};
        EXPECT_EQ(expected, last_payload(129));
        ASSERT_EQ(0, send());
        EXPECT_EQ(Bytes(expected.begin(), expected.begin() + 2), last_payload(129));  // emptied

        // A full table: 64,002 bytes, high byte first in both forms.
        for (int i = 0; i < 8000; ++i) {
            ASSERT_EQ(0, api().IncluirUsuarioSemDigitalBioCorvoAcesso(std::to_string(i).c_str()));
        }
        EXPECT_EQ(128, api().IncluirUsuarioSemDigitalBioCorvoAcesso("1"));
        ASSERT_EQ(0, send());
        const Bytes p = last_payload(129);
        ASSERT_EQ(64002u, p.size());
        EXPECT_EQ((Bytes{0xFA, 0x02}), Bytes(p.begin(), p.begin() + 2));
        EXPECT_EQ((Bytes{0, 0, 0, 0, 0, 0, 0x79, 0x99}), Bytes(p.end() - 8, p.end()));  // "7999"
    }
}

}  // namespace
