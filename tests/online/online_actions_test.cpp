// The single-command online actions, the turnstile releases and the card
// pattern setter, through the exports.
#include "sdk_test.h"

namespace {

using testsupport::FakeCall;

class OnlineActions : public testsupport::SdkTest {
protected:
    // Command codes of the Envia_Dados calls, in order.
    std::vector<int32_t> commands() const {
        std::vector<int32_t> out;
        for (const Sent& s : sent()) out.push_back(s.command);
        return out;
    }
};

using Op = uint8_t(VARANDA_CALL*)(int32_t);

TEST_F(OnlineActions, EachSimpleActionSendsItsCodeWithNoPayload) {
    open_tcp_lib();
    const VarandaApi& a = api();
    struct Case {
        const char* name;
        Op op;
        int32_t command;
    } cases[] = {
        {"AcionarRele1", a.AcionarRele1, 1},
        {"AcionarRele2", a.AcionarRele2, 2},
        {"EnviarComandoAcessoNegado", a.EnviarComandoAcessoNegado, 3},
        {"ManterRele1Acionado", a.ManterRele1Acionado, 4},
        {"ManterRele2Acionado", a.ManterRele2Acionado, 5},
        {"DesabilitarRele1", a.DesabilitarRele1, 6},
        {"DesabilitarRele2", a.DesabilitarRele2, 7},
        {"AcionarBipCurto", a.AcionarBipCurto, 8},
        {"AcionarBipLongo", a.AcionarBipLongo, 9},
        {"Ping", a.Ping, 10},
        {"ResetarModoOnLine", a.ResetarModoOnLine, 11},
        {"LigarBackLite", a.LigarBackLite, 14},
        {"DesligarBackLite", a.DesligarBackLite, 15},
        {"LigarBipIntermitente", a.LigarBipIntermitente, 17},
        {"DesligarBipIntermitente", a.DesligarBipIntermitente, 18},
        {"DevolverCartao", a.DevolverCartao, 21},
        {"EngolirCartao", a.EngolirCartao, 22},
        {"LevantarParaOnLine", a.LevantarParaOnLine, 26},
        {"PingOnLine", a.PingOnLine, 26},
        {"LigarLedVermelho", a.LigarLedVermelho, 27},
        {"DesligarLedVermelho", a.DesligarLedVermelho, 28},
        {"LigarLedVerde", a.LigarLedVerde, 14},
        {"DesligarLedVerde", a.DesligarLedVerde, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tcp_.reset();
        EXPECT_EQ(0, c.op(0x01020304));
        tcp_.queue_result("Envia_Dados", 21);
        EXPECT_EQ(1, c.op(5));  // refused: passed up as 1
        auto s = sent();
        ASSERT_EQ(2u, s.size());
        EXPECT_EQ(0x01020304, s[0].terminal);
        EXPECT_EQ(c.command, s[0].command);
        EXPECT_TRUE(s[0].data.empty());
        EXPECT_EQ(0, tcp_.calls("Envia_Dados")[0].ints[2]);  // length 0
    }
    api().FecharPortaComunicacao();
    for (const Case& c : cases) EXPECT_EQ(2, c.op(1)) << c.name;  // closed port passes up as 2
}

// --- turnstile ------------------------------------------------------------

struct Release {
    const char* name;
    Op VarandaApi::*op;
    int32_t short_command;
    int32_t long_command;
};
const Release kReleases[] = {
    {"LiberarCatracaEntrada", &VarandaApi::LiberarCatracaEntrada, 24, 13},
    {"LiberarCatracaSaida", &VarandaApi::LiberarCatracaSaida, 23, 12},
    {"LiberarCatracaEntradaInvertida", &VarandaApi::LiberarCatracaEntradaInvertida, 23, 12},
    {"LiberarCatracaSaidaInvertida", &VarandaApi::LiberarCatracaSaidaInvertida, 24, 13},
};
const std::vector<uint8_t> kEntryForms = {0, 0, 9, 0, 0};

TEST_F(OnlineActions, TurnstileReleaseFollowsTheShortAndLongForms) {
    open_tcp_lib();
    struct Step {
        const char* what;
        int32_t short_flag;
        std::vector<int32_t> results;  // Envia_Dados results, in order
        uint8_t code;
        std::vector<int> sent;  // 'S' short, 'L' long, 'F' entry forms
    } steps[] = {
        {"short accepted", 1, {31}, 0, {'S'}},
        {"short refused, long accepted", 1, {21, 31, 31}, 0, {'S', 'L', 'F'}},
        {"short and long refused", 1, {21, 21}, 1, {'S', 'L'}},
        {"entry forms refused", 1, {21, 31, 21}, 1, {'S', 'L', 'F'}},
        {"flag off: long only", 0, {31, 31}, 0, {'L', 'F'}},
        {"flag off, long refused", 0, {21}, 1, {'L'}},
    };
    for (const Release& r : kReleases) {
        for (const Step& st : steps) {
            SCOPED_TRACE(std::string(r.name) + ": " + st.what);
            api().UtilizarCmdCurtoCatraca(0, st.short_flag);
            tcp_.reset();
            for (int32_t v : st.results) tcp_.queue_result("Envia_Dados", v);
            EXPECT_EQ(st.code, (api().*r.op)(6));
            auto s = sent();
            ASSERT_EQ(st.sent.size(), s.size());
            for (size_t i = 0; i < s.size(); ++i) {
                EXPECT_EQ(6, s[i].terminal);
                switch (st.sent[i]) {
                    case 'S': EXPECT_EQ(r.short_command, s[i].command); EXPECT_TRUE(s[i].data.empty()); break;
                    case 'L': EXPECT_EQ(r.long_command, s[i].command); EXPECT_TRUE(s[i].data.empty()); break;
                    default: EXPECT_EQ(107, s[i].command); EXPECT_EQ(kEntryForms, s[i].data); break;
                }
            }
        }
    }
}

TEST_F(OnlineActions, BothDirectionsSendsSixteenThenTheEntryForms) {
    open_tcp_lib();
    EXPECT_EQ(0, api().LiberarCatracaDoisSentidos(2));
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().LiberarCatracaDoisSentidos(2));
    tcp_.queue_result("Envia_Dados", 31);
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().LiberarCatracaDoisSentidos(2));
    auto s = sent();
    ASSERT_EQ(5u, s.size());
    EXPECT_EQ(16, s[0].command);
    EXPECT_EQ(107, s[1].command);
    EXPECT_EQ(kEntryForms, s[1].data);
    EXPECT_EQ(16, s[2].command);
    EXPECT_EQ(16, s[3].command);
    EXPECT_EQ(107, s[4].command);
}

TEST_F(OnlineActions, TurnstileOnAClosedPortOrMissingBackEndGivesOne) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    for (const Release& r : kReleases) EXPECT_EQ(1, (api().*r.op)(1)) << r.name;
    EXPECT_EQ(1, api().LiberarCatracaDoisSentidos(1));
    EXPECT_EQ(2, api().AcionarRele1(1));
    EXPECT_TRUE(tcp_.calls("Envia_Dados").empty());
}

// --- card pattern ------------------------------------------------------------

TEST_F(OnlineActions, CardPatternAcceptsZeroAndOneOnly) {
    // Observed through the length of the punch request: 10 for pattern 0, 16 for 1.
    open_tcp_lib();
    struct Step {
        uint8_t value;
        uint8_t code;
        int32_t punch_length;  // after the call
    } steps[] = {{2, 128, 16}, {0, 0, 10}, {255, 128, 10}, {1, 0, 16}, {0, 0, 10}};
    for (const Step& st : steps) {
        SCOPED_TRACE(int(st.value));
        tcp_.reset();
        EXPECT_EQ(st.code, api().DefinirPadraoCartao(st.value));
        uint8_t b[6];
        char card[16];
        api().ColetarBilhete(1, &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], card);
        auto rx = tcp_.calls("Recebe_Dados_E_Nao_Responde");
        ASSERT_EQ(1u, rx.size());
        EXPECT_EQ(st.punch_length, rx[0].ints[2]);
        EXPECT_TRUE(sent().empty());  // the setter itself sends nothing
    }
}

}  // namespace
