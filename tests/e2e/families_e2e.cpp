// The operation families through the SDK against corvo-sim, checked on the
// emulated terminal's state: one case per family, for the wiring, and the
// library loaded and unloaded a hundred times. (Punch collection through the
// SDK: bad_line_e2e.cpp and lines_e2e.cpp.)
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "support/sdk_fixture.h"

namespace {

using u8 = uint8_t;

class Families : public e2e::SdkTest {};

TEST_F(Families, ConfigurationIsSentAndReadBack) {
    open();
    ASSERT_EQ(0, api_.DefinirQuantidadeDigitosCartao(10));
    ASSERT_EQ(0, api_.HabilitarTeclado(1, 0));
    ASSERT_EQ(0, api_.EnviarConfiguracoes(1));
    const auto c = dump(1)["config"];
    EXPECT_EQ(10, c["card_digits"].num());
    EXPECT_EQ("0001", c["hex"].str().substr(0, 4));
    u8 back[50];
    std::memset(back, 0xEE, sizeof back);
    ASSERT_EQ(0, api_.ReceberBufferConfig(1, back));
    EXPECT_EQ(10, back[14]);
    EXPECT_EQ(0xFF, back[9]);
}

TEST_F(Families, ClockIsSetAndRead) {
    open();
    ASSERT_EQ(0, api_.EnviarRelogio(1, 7, 3, 26, 14, 5, 9));
    EXPECT_EQ("2026-03-07", dump(1)["clock"]["date"].str());
    u8 c[6] = {};
    ASSERT_EQ(0, api_.ReceberRelogio(1, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5]));
    EXPECT_EQ((std::vector<u8>{7, 3, 26, 14}), std::vector<u8>(c, c + 4));
}

TEST_F(Families, MessagesAndSchedules) {
    open();
    ASSERT_EQ(0, api_.DefinirMensagemEntradaOffLine(1, "Bem-vindo"));
    ASSERT_EQ(0, api_.EnviarMensagensOffLine(1));
    const auto m = dump(1)["offline_messages"];
    EXPECT_EQ(254, m[0]["control"].num());
    EXPECT_EQ("Bem-vindo       ", m[0]["line2"].str());
    EXPECT_EQ("   Entrada OK   ", m[1]["line2"].str());
    ASSERT_EQ(0, api_.InserirHorarioAcesso(100, 7, 4, 23, 59));
    ASSERT_EQ(0, api_.EnviarHorariosAcesso(1));
    ASSERT_EQ(0, api_.InserirHorarioSirene(6, 30, 1, 0, 0, 0, 0, 0, 7));
    ASSERT_EQ(0, api_.EnviarHorariosSirene(1));
    const auto s = dump(1);
    ASSERT_EQ(1u, s["access_schedules"]["times"].size());
    EXPECT_EQ(100, s["access_schedules"]["times"][0]["schedule"].num());
    EXPECT_EQ("23:59", s["access_schedules"]["times"][0]["time"].str());
    ASSERT_EQ(1u, s["sirens"]["times"].size());
    EXPECT_EQ("06:30", s["sirens"]["times"][0]["time"].str());
    EXPECT_EQ(65, s["sirens"]["times"][0]["weekdays"].num());
}

// The counted form end to end: BadLine.AccessListsOfFiveThousandCardsArriveWhole.
TEST_F(Families, AccessListInTheBlocksForm) {
    open();
    // Card pattern 0 with enough cards for the blocks form.
    sim("pattern 2 0");
    ASSERT_EQ(0, api_.DefinirPadraoCartao(0));
    for (int i = 1; i <= 5626; ++i) ASSERT_EQ(0, api_.InserirUsuarioListaAcesso(std::to_string(i).c_str(), 2));
    ASSERT_EQ(0, api_.EnviarListaAcesso(2));
    const auto l = dump(2)["access_list"];
    EXPECT_EQ("blocks", l["form"].str());
    ASSERT_EQ(5626, l["count"].num());
    EXPECT_EQ("1", l["cards"][0]["card"].str());
    EXPECT_EQ("5626", l["cards"][5625]["card"].str());
}

TEST_F(Families, OnlineEventsSensorsAndFirmware) {
    open();
    sim("online 1 1");
    sim("card 1 12345678901234");
    u8 origin = 0, complement = 0, dt[6];
    char card[16];
    ASSERT_EQ(0, api_.ReceberDadosOnLine(1, &origin, &complement, card, &dt[0], &dt[1], &dt[2], &dt[3], &dt[4], &dt[5]));
    EXPECT_EQ(2, origin);
    EXPECT_EQ(1, complement);
    EXPECT_EQ("12345678901234", std::string(card, 14));
    EXPECT_EQ(128, api_.ReceberDadosOnLine(1, &origin, &complement, card, &dt[0], &dt[1], &dt[2], &dt[3], &dt[4], &dt[5]));
    sim("sensors 1 1 0 7");
    u8 s[3] = {};
    ASSERT_EQ(0, api_.LerSensoresCorvo(1, &s[0], &s[1], &s[2]));
    EXPECT_EQ((std::vector<u8>{1, 0, 7}), std::vector<u8>(s, s + 3));
    u8 a = 0, c = 0, d = 0, e = 0, f = 0;
    uint16_t v = 0;
    ASSERT_EQ(0, api_.ReceberVersaoFirmware(1, &a, &v, &c, &d, &e, &f));
    EXPECT_EQ(14, a);
    EXPECT_EQ(300, v);
    EXPECT_EQ(7, f);
}

TEST_F(Families, FingerprintAndOsselModules) {
    open();
    ASSERT_EQ(0, api_.SolicitarModeloBio(1));
    int32_t model = 0;
    ASSERT_EQ(0, api_.ReceberModeloBio(1, 0, &model));
    EXPECT_EQ(3, model);
    u8 record[451] = {};
    std::memset(record + 2, 0xFF, 18);
    record[2] = 0x12;
    record[3] = 0x3F;
    ASSERT_EQ(0, api_.IncluirUsuarioOssel(1, record));
    EXPECT_EQ(0, api_.ResultadoInclusaoUsuarioOssel(1));
    const auto o = dump(1)["ossel"]["users"];
    ASSERT_EQ(1u, o.size());
    EXPECT_EQ("123", o[0].str());
}

#if !defined(_WIN32)
// Open file descriptors or threads of this process.
size_t entries(const char* dir) {
    using std::filesystem::directory_iterator;
    return static_cast<size_t>(std::distance(directory_iterator(dir), directory_iterator{}));
}

// Every load, exchange and unload hands back its sockets and threads (the
// leak checker of the sanitizer build sees the memory).
TEST_F(Families, AHundredLoadExchangeUnloadCyclesLeaveNothingBehind) {
    sdk_.unload();
    size_t fds = 0, threads = 0;
    for (int cycle = 0; cycle < 100; ++cycle) {
        {
            hostkit::Sdk sdk;
            ASSERT_TRUE(sdk.load()) << hostkit::sdk_path();
            ASSERT_EQ(0, sdk.api.DefinirTipoConexao(1));
            ASSERT_EQ(0, sdk.api.AbrirPortaComunicacao(port_)) << "cycle " << cycle;
            ASSERT_EQ(0, sdk.api.Ping(1)) << "cycle " << cycle;
            sdk.api.FecharPortaComunicacao();
        }
        if (cycle == 0) fds = entries("/proc/self/fd"), threads = entries("/proc/self/task");
    }
    EXPECT_EQ(fds, entries("/proc/self/fd"));
    EXPECT_EQ(threads, entries("/proc/self/task"));
    EXPECT_EQ(100, dump(1)["pings"].num());
    ASSERT_TRUE(sdk_.load());
}
#endif

}  // namespace
