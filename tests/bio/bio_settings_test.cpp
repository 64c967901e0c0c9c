// The settings block of the fingerprint module: ranges, what a refusal
// leaves, the block on the wire and its reset.
#include <functional>

#include "bio_test_support.h"

namespace {

using Bytes = std::vector<uint8_t>;

class BioSettings : public biotest::TcpTest {
protected:
    Bytes send_block() {
        tcp_.reset();
        EXPECT_EQ(0, api().EnviarAjustesBio(3));
        auto s = sent();
        EXPECT_EQ(1u, s.size());
        if (s.empty()) return {};
        EXPECT_EQ(133, s[0].command);
        return s[0].data;
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

}  // namespace
