// The single-command actions and the turnstile releases through the exports.
#include "sdk_test.h"

namespace {

using Op = uint8_t(VARANDA_CALL*)(int32_t);
using Bytes = std::vector<uint8_t>;
const Bytes kEntryForms = {0, 0, 9, 0, 0};

class OnlineActions : public testsupport::SdkTest {};

TEST_F(OnlineActions, EachSimpleActionSendsItsCodeWithNoPayload) {
    open_tcp_lib();
    const VarandaApi& a = api();
    const std::pair<Op, int32_t> cases[] = {
        {a.AcionarRele1, 1}, {a.AcionarRele2, 2}, {a.EnviarComandoAcessoNegado, 3}, {a.ManterRele1Acionado, 4},
        {a.ManterRele2Acionado, 5}, {a.DesabilitarRele1, 6}, {a.DesabilitarRele2, 7}, {a.AcionarBipCurto, 8},
        {a.AcionarBipLongo, 9}, {a.Ping, 10}, {a.ResetarModoOnLine, 11}, {a.LigarBackLite, 14},
        {a.DesligarBackLite, 15}, {a.LigarBipIntermitente, 17}, {a.DesligarBipIntermitente, 18},
        {a.DevolverCartao, 21}, {a.EngolirCartao, 22}, {a.LevantarParaOnLine, 26}, {a.PingOnLine, 26},
        {a.LigarLedVermelho, 27}, {a.DesligarLedVermelho, 28}, {a.LigarLedVerde, 14}, {a.DesligarLedVerde, 15},
    };
    for (const auto& [op, command] : cases) {
        SCOPED_TRACE(command);
        tcp_.reset();
        EXPECT_EQ(0, op(0x01020304));
        auto s = sent();
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(0x01020304, s[0].terminal);
        EXPECT_EQ(command, s[0].command);
        EXPECT_EQ(0, tcp_.calls("Envia_Dados")[0].ints[2]);  // length 0
    }
}

TEST_F(OnlineActions, TurnstileReleaseFollowsTheShortAndLongForms) {
    open_tcp_lib();
    struct Release {
        Op VarandaApi::*op;
        int32_t short_command, long_command;
    } releases[] = {
        {&VarandaApi::LiberarCatracaEntrada, 24, 13},
        {&VarandaApi::LiberarCatracaSaida, 23, 12},
        {&VarandaApi::LiberarCatracaEntradaInvertida, 23, 12},
        {&VarandaApi::LiberarCatracaSaidaInvertida, 24, 13},
    };
    struct Step {
        int32_t short_flag;
        std::vector<int32_t> results;  // of Envia_Dados, in order
        uint8_t code;
        std::string sent;  // S short, L long, F entry forms 0,0,9,0,0
    } steps[] = {
        {1, {31}, 0, "S"},          {1, {21, 31, 31}, 0, "SLF"}, {1, {21, 21}, 1, "SL"},
        {1, {21, 31, 21}, 1, "SLF"}, {0, {31, 31}, 0, "LF"},      {0, {21}, 1, "L"},
    };
    for (const Release& r : releases) {
        for (const Step& st : steps) {
            SCOPED_TRACE(testing::Message() << r.short_command << " " << st.short_flag << " " << st.sent);
            api().UtilizarCmdCurtoCatraca(0, st.short_flag);
            tcp_.reset();
            for (int32_t v : st.results) tcp_.queue_result("Envia_Dados", v);
            EXPECT_EQ(st.code, (api().*r.op)(6));
            auto s = sent();
            ASSERT_EQ(st.sent.size(), s.size());
            for (size_t i = 0; i < s.size(); ++i) {
                const int32_t command = st.sent[i] == 'S' ? r.short_command : st.sent[i] == 'L' ? r.long_command : 107;
                EXPECT_EQ(command, s[i].command);
                EXPECT_EQ(command == 107 ? kEntryForms : Bytes(), s[i].data);
            }
        }
    }
    // Both directions: 16, then the entry forms.
    tcp_.reset();
    EXPECT_EQ(0, api().LiberarCatracaDoisSentidos(2));
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().LiberarCatracaDoisSentidos(2));
    auto s = sent();
    ASSERT_EQ(3u, s.size());
    EXPECT_EQ(16, s[0].command);
    EXPECT_EQ(107, s[1].command);
    EXPECT_EQ(kEntryForms, s[1].data);
    EXPECT_EQ(16, s[2].command);

    api().FecharPortaComunicacao();  // every failure reads 1, a closed port included
    for (const Release& r : releases) EXPECT_EQ(1, (api().*r.op)(1));
    EXPECT_EQ(1, api().LiberarCatracaDoisSentidos(1));
}

}  // namespace
