// The configuration record through the exports: every setter's bytes, the
// refusals that change nothing, sending (command 100) and copying it out.
#include <functional>
#include <map>

#include "sdk_test.h"

namespace {

using Call = std::function<uint8_t(VarandaApi&)>;

class ConfigurationRecord : public testsupport::SdkTest {
protected:
    // The copy out: exactly 50 bytes, whatever the first argument.
    std::vector<uint8_t> record() {
        std::vector<uint8_t> out(60, 0xCC);
        EXPECT_EQ(0, api().GetBufferConfigDLL(7, out.data()));
        EXPECT_EQ(std::vector<uint8_t>(10, 0xCC), std::vector<uint8_t>(out.begin() + 50, out.end()));
        out.resize(50);
        return out;
    }
};

TEST_F(ConfigurationRecord, EverySetterWritesItsBytesAndRefusalsChangeNothing) {
    struct Case {
        const char* what;
        Call call;
        uint8_t code;
        std::map<int, uint8_t> changes;  // offset -> new value; empty for a refusal
    } cases[] = {
        {"online", [](VarandaApi& a) { return a.ConfigurarCorvoOnLine(); }, 0, {{0, 1}}},
        {"offline", [](VarandaApi& a) { return a.ConfigurarCorvoOffLine(); }, 0, {{0, 0}}},
        {"keypad 7,0", [](VarandaApi& a) { return a.HabilitarTeclado(7, 0); }, 0, {{1, 1}, {23, 0}}},
        {"keypad 0,9", [](VarandaApi& a) { return a.HabilitarTeclado(0, 9); }, 0, {{1, 0}, {23, 1}}},
        {"relay1 9,50", [](VarandaApi& a) { return a.ConfigurarAcionamento1(9, 50); }, 0, {{2, 9}, {4, 50}}},
        {"relay1 mode 10", [](VarandaApi& a) { return a.ConfigurarAcionamento1(10, 0); }, 128, {}},
        {"relay1 time 51", [](VarandaApi& a) { return a.ConfigurarAcionamento1(0, 51); }, 128, {}},
        {"relay2 3,7", [](VarandaApi& a) { return a.ConfigurarAcionamento2(3, 7); }, 0, {{3, 3}, {5, 7}}},
        {"relay2 time 51", [](VarandaApi& a) { return a.ConfigurarAcionamento2(1, 51); }, 128, {}},
        {"reader type 6", [](VarandaApi& a) { return a.ConfigurarTipoLeitor(6); }, 0, {{6, 6}}},
        {"reader type 7", [](VarandaApi& a) { return a.ConfigurarTipoLeitor(7); }, 128, {}},
        {"reader1 4", [](VarandaApi& a) { return a.ConfigurarLeitor1(4); }, 0, {{7, 4}}},
        {"reader1 5", [](VarandaApi& a) { return a.ConfigurarLeitor1(5); }, 128, {}},
        {"reader2 3", [](VarandaApi& a) { return a.ConfigurarLeitor2(3); }, 0, {{8, 3}}},
        {"reader2 255", [](VarandaApi& a) { return a.ConfigurarLeitor2(255); }, 128, {}},
        {"company 999", [](VarandaApi& a) { return a.DefinirCodigoEmpresa(999); }, 0, {{9, 0xE7}, {10, 0x03}}},
        {"company 1000", [](VarandaApi& a) { return a.DefinirCodigoEmpresa(1000); }, 128, {}},
        {"company -1", [](VarandaApi& a) { return a.DefinirCodigoEmpresa(-1); }, 128, {}},
        {"company low 16 bits", [](VarandaApi& a) { return a.DefinirCodigoEmpresa(0x10000 + 258); }, 0,
         {{9, 0x02}, {10, 0x01}}},
        {"access level 9", [](VarandaApi& a) { return a.DefinirNivelAcesso(9); }, 0, {{11, 9}}},
        {"access level 10", [](VarandaApi& a) { return a.DefinirNivelAcesso(10); }, 128, {}},
        {"password 200", [](VarandaApi& a) { return a.UtilizarSenhaAcesso(200); }, 0, {{12, 1}}},
        {"list type 2", [](VarandaApi& a) { return a.DefinirTipoListaAcesso(2); }, 0, {{13, 2}}},
        {"list type 3", [](VarandaApi& a) { return a.DefinirTipoListaAcesso(3); }, 128, {}},
        {"digits 1", [](VarandaApi& a) { return a.DefinirQuantidadeDigitosCartao(1); }, 0, {{14, 1}}},
        {"digits 16", [](VarandaApi& a) { return a.DefinirQuantidadeDigitosCartao(16); }, 0, {{14, 16}}},
        {"digits 0", [](VarandaApi& a) { return a.DefinirQuantidadeDigitosCartao(0); }, 128, {}},
        {"digits 17", [](VarandaApi& a) { return a.DefinirQuantidadeDigitosCartao(17); }, 128, {}},
        {"memory full", [](VarandaApi& a) { return a.AvisarQuandoMemoriaCheia(2); }, 0, {{15, 1}}},
        {"inspection 100", [](VarandaApi& a) { return a.DefinirPorcentagemRevista(100); }, 0, {{16, 100}}},
        {"inspection 101", [](VarandaApi& a) { return a.DefinirPorcentagemRevista(101); }, 128, {}},
        {"denied 3", [](VarandaApi& a) { return a.RegistrarAcessoNegado(3); }, 0, {{17, 3}}},
        {"denied 4", [](VarandaApi& a) { return a.RegistrarAcessoNegado(4); }, 128, {}},
        {"master release 0", [](VarandaApi& a) { return a.CartaoMasterLiberaAcesso(0); }, 0, {{18, 1}}},
        {"master release 1", [](VarandaApi& a) { return a.CartaoMasterLiberaAcesso(1); }, 0, {{18, 0}}},
        {"relay logic 1", [](VarandaApi& a) { return a.DefinirLogicaRele(1); }, 0, {{19, 1}}},
        {"relay logic 2", [](VarandaApi& a) { return a.DefinirLogicaRele(2); }, 128, {}},
        {"micro switch", [](VarandaApi& a) { return a.DesabilitarBloqueioCatracaMicroSwitch(5); }, 0, {{20, 1}}},
        {"proximity 12", [](VarandaApi& a) { return a.DefinirFuncaoDefaultLeitoresProximidade(12); }, 0, {{24, 12}}},
        {"proximity 13", [](VarandaApi& a) { return a.DefinirFuncaoDefaultLeitoresProximidade(13); }, 128, {}},
        {"pictograms 8", [](VarandaApi& a) { return a.DefinirFormasPictogramasQuadrante(8); }, 0, {{32, 8}}},
        {"pictograms 9", [](VarandaApi& a) { return a.DefinirFormasPictogramasQuadrante(9); }, 128, {}},
        {"turnstile beep", [](VarandaApi& a) { return a.DesabilitarBipCatraca(1); }, 0, {{33, 1}}},
        {"sensor 3", [](VarandaApi& a) { return a.DefinirEventoSensor(3, 5, 50); }, 0, {{36, 5}, {39, 50}}},
        {"sensor 1", [](VarandaApi& a) { return a.DefinirEventoSensor(1, 2, 3); }, 0, {{34, 2}, {37, 3}}},
        {"sensor 2", [](VarandaApi& a) { return a.DefinirEventoSensor(2, 4, 9); }, 0, {{35, 4}, {38, 9}}},
        {"sensor 0", [](VarandaApi& a) { return a.DefinirEventoSensor(0, 0, 0); }, 128, {}},
        {"sensor 4", [](VarandaApi& a) { return a.DefinirEventoSensor(4, 0, 0); }, 128, {}},
        {"sensor event 6", [](VarandaApi& a) { return a.DefinirEventoSensor(2, 6, 0); }, 129, {}},
        {"sensor time 51", [](VarandaApi& a) { return a.DefinirEventoSensor(2, 0, 51); }, 130, {}},
        {"sensor first bad wins", [](VarandaApi& a) { return a.DefinirEventoSensor(9, 9, 99); }, 128, {}},
        {"bio ossel 0", [](VarandaApi& a) { return a.PermitirCadastroCorvoBioOssel(0); }, 0, {{40, 1}}},
        {"bio 3", [](VarandaApi& a) { return a.PermitirCadastroCorvoBio(3); }, 0, {{40, 0}}},
        {"bio 0", [](VarandaApi& a) { return a.PermitirCadastroCorvoBio(0); }, 0, {{40, 1}}},
        {"bio ossel 1", [](VarandaApi& a) { return a.PermitirCadastroCorvoBioOssel(1); }, 0, {{40, 0}}},
        {"online date", [](VarandaApi& a) { return a.ReceberDataHoraDadosOnLine(9); }, 0, {{41, 1}}},
        {"lengths 1", [](VarandaApi& a) { return a.InserirQuantidadeDigitoVariavel(1); }, 0, {{43, 0x01}}},
        {"lengths 16", [](VarandaApi& a) { return a.InserirQuantidadeDigitoVariavel(16); }, 0, {{42, 0x80}}},
        {"lengths 9", [](VarandaApi& a) { return a.InserirQuantidadeDigitoVariavel(9); }, 0, {{42, 0x81}}},
        {"lengths 8", [](VarandaApi& a) { return a.InserirQuantidadeDigitoVariavel(8); }, 0, {{43, 0x81}}},
        {"lengths 8 again", [](VarandaApi& a) { return a.InserirQuantidadeDigitoVariavel(8); }, 0, {}},
        {"lengths 17", [](VarandaApi& a) { return a.InserirQuantidadeDigitoVariavel(17); }, 128, {}},
        {"lengths 0", [](VarandaApi& a) { return a.InserirQuantidadeDigitoVariavel(0); }, 0, {{42, 0}, {43, 0}}},
        {"wiegand 0,5", [](VarandaApi& a) { return a.ConfigurarWiegandDoisLeitores(0, 5); }, 0, {{44, 2}}},
        {"wiegand 1,1", [](VarandaApi& a) { return a.ConfigurarWiegandDoisLeitores(1, 1); }, 0, {{44, 3}}},
        {"wiegand 9,0", [](VarandaApi& a) { return a.ConfigurarWiegandDoisLeitores(9, 0); }, 0, {{44, 1}}},
        {"bio default 12", [](VarandaApi& a) { return a.DefinirFuncaoDefaultSensorBiometria(12); }, 0, {{45, 12}}},
        {"bio default 13", [](VarandaApi& a) { return a.DefinirFuncaoDefaultSensorBiometria(13); }, 128, {}},
        {"sensor1 function", [](VarandaApi& a) { return a.DefinirFuncaoSensor1(0xAB); }, 0, {{46, 0xAB}}},
        {"encryption", [](VarandaApi& a) { return a.HabilitarCriptografia(0xFF); }, 0, {{47, 0xFF}}},
        {"index search", [](VarandaApi& a) { return a.ConfigurarComportamentoIndexSearch(2); }, 0, {{48, 1}}},
        {"bio variable", [](VarandaApi& a) { return a.ConfigurarBioVariavel(2); }, 0, {{49, 1}}},
        // The master card number: right-aligned packed BCD in bytes 25-31.
        {"master 14 digits", [](VarandaApi& a) { return a.DefinirNumeroCartaoMaster("98765432109876"); }, 0,
         {{25, 0x98}, {26, 0x76}, {27, 0x54}, {28, 0x32}, {29, 0x10}, {30, 0x98}, {31, 0x76}}},
        {"master 15 digits", [](VarandaApi& a) { return a.DefinirNumeroCartaoMaster("123456789012345"); }, 128, {}},
        {"master 12345", [](VarandaApi& a) { return a.DefinirNumeroCartaoMaster("12345"); }, 0,
         {{25, 0}, {26, 0}, {27, 0}, {28, 0}, {29, 0x01}, {30, 0x23}, {31, 0x45}}},
        {"master null", [](VarandaApi& a) { return a.DefinirNumeroCartaoMaster(nullptr); }, 0,
         {{29, 0}, {30, 0}, {31, 0}}},
        // The reader presets set the type (6) and the digit count (14); each row
        // changes both, and an explicit count afterwards wins.
        {"SmartCard Acura", [](VarandaApi& a) { return a.ConfigurarLeitorProximidadeSmartCardAcura(); }, 0,
         {{6, 2}, {14, 10}}},
        {"Wiegand", [](VarandaApi& a) { return a.ConfigurarLeitorProximidadeWiegand(); }, 0, {{6, 3}, {14, 6}}},
        {"HID", [](VarandaApi& a) { return a.ConfigurarLeitorProximidadeHIDAbaTrack2(); }, 0, {{6, 2}, {14, 8}}},
        {"Wiegand FC", [](VarandaApi& a) { return a.ConfigurarLeitorProximidadeWiegandFacilityCode(); }, 0,
         {{6, 3}, {14, 10}}},
        {"Acura", [](VarandaApi& a) { return a.ConfigurarLeitorProximidadeAcura(); }, 0, {{6, 2}, {14, 14}}},
        {"SmartCard", [](VarandaApi& a) { return a.ConfigurarLeitorProximidadeSmartCard(); }, 0, {{6, 4}, {14, 10}}},
        {"Wiegand FC no separator",
         [](VarandaApi& a) { return a.ConfigurarLeitorWiegandFacilityCodeSemSeparador(); }, 0, {{6, 6}, {14, 8}}},
        {"Motorola", [](VarandaApi& a) { return a.ConfigurarLeitorProximidadeMotorolaAbaTrack2(); }, 0,
         {{6, 2}, {14, 10}}},
        {"digits 12 after a preset", [](VarandaApi& a) { return a.DefinirQuantidadeDigitosCartao(12); }, 0, {{14, 12}}},
    };
    std::vector<uint8_t> expected(50, 0);  // a fresh record
    expected[9] = expected[10] = 0xFF;
    expected[14] = 14;
    ASSERT_EQ(expected, record());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.code, c.call(api()));
        for (const auto& [offset, value] : c.changes) expected[offset] = value;
        ASSERT_EQ(expected, record());
    }
    // Bytes 21 and 22 are reserved and stay 0 whatever was set.
    EXPECT_EQ(0, expected[21]);
    EXPECT_EQ(0, expected[22]);
}

// Also the Windows smoke case of this family: a few fields set, the 50 bytes
// that reach the back end checked one by one.
TEST_F(ConfigurationRecord, SetFieldsThenSendGivesTheExactRecord) {
    open_tcp_lib();
    ASSERT_EQ(0, api().ConfigurarCorvoOnLine());
    ASSERT_EQ(0, api().HabilitarTeclado(1, 1));
    ASSERT_EQ(0, api().ConfigurarAcionamento1(2, 30));
    ASSERT_EQ(0, api().ConfigurarLeitorProximidadeWiegand());
    ASSERT_EQ(0, api().DefinirCodigoEmpresa(513));
    ASSERT_EQ(0, api().DefinirNumeroCartaoMaster("123"));
    ASSERT_EQ(0, api().DefinirEventoSensor(2, 4, 15));
    ASSERT_EQ(0, api().InserirQuantidadeDigitoVariavel(10));
    ASSERT_EQ(0, api().HabilitarCriptografia(0x5A));
    ASSERT_EQ(128, api().DefinirPorcentagemRevista(150));
    const std::vector<uint8_t> expected = {
        0x01, 0x01, 0x02, 0x00, 0x1E, 0x00, 0x03, 0x00, 0x00, 0x01,  //  0- 9
        0x02, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00,  // 10-19
        0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 20-29
        0x01, 0x23, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x0F, 0x00,  // 30-39
        0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x5A, 0x00, 0x00,  // 40-49
    };
    EXPECT_EQ(0, api().EnviarConfiguracoes(3));
    EXPECT_EQ(expected, record());
    auto s = sent();
    ASSERT_EQ(1u, s.size());  // copying the record out never talks to the terminal
    EXPECT_EQ(3, s[0].terminal);
    EXPECT_EQ(100, s[0].command);
    EXPECT_EQ(expected, s[0].data);
}

}  // namespace
