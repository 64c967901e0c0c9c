// Connection type, open and close, and the reduction of back-end results,
// through the exports.
#include <filesystem>

#include "sdk_test.h"

namespace {

using testsupport::FakeCall;

class Connection : public testsupport::SdkTest {};

TEST_F(Connection, OpenUsesTheEntryAndBaudOfTheType) {
    struct Case {
        uint8_t type;
        testsupport::FakeBackend* fake;  // which one sees the open
        const char* entry;
        int32_t baud;     // -1: the entry has no baud argument
    } cases[] = {
        {0, &serial_, "InicializaCom", 9600},
        {1, &tcp_, "InicializaCom", 9600},
        {2, &tcp_com_, "Open", -1},
        {3, &serial_, "InicializaComModem", 2400},
        {4, &serial_com_, "Open", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        c.fake->reset();
        ASSERT_EQ(0, api().DefinirTipoConexao(c.type));
        EXPECT_EQ(0, api().AbrirPortaComunicacao(7));
        EXPECT_EQ(3, api().AbrirPortaComunicacao(7));  // already open
        api().FecharPortaComunicacao();
        EXPECT_EQ(0, api().AbrirPortaComunicacao(7));  // opens again after a close
        auto opens = c.fake->calls(c.entry);
        ASSERT_EQ(2u, opens.size());
        EXPECT_EQ(7, opens[0].ints[0]);
        if (c.baud >= 0) {
            EXPECT_EQ(c.baud, opens[0].ints[1]);
        }
        if (c.type == 3) {
            EXPECT_TRUE(serial_.calls("InicializaCom").empty());  // only the modem entry
        }
        api().FecharPortaComunicacao();
    }
}

TEST_F(Connection, BadTypeGivesNineAndOpenUsesTheTcpComComponent) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    EXPECT_EQ(9, api().DefinirTipoConexao(7));
    EXPECT_EQ(0, api().AbrirPortaComunicacao(1));
    EXPECT_EQ(1u, tcp_com_.calls("Open").size());
    EXPECT_TRUE(tcp_.calls("InicializaCom").empty());
}

TEST_F(Connection, SendResultsReduceToZeroOrOne) {
    open_tcp_lib();
    struct Case {
        int32_t transport;
        uint8_t code;
    } cases[] = {{31, 0}, {21, 1}, {0, 1}, {40, 1}, {-1, 1}};
    for (const Case& c : cases) {
        tcp_.queue_result("Envia_Dados", c.transport);
        EXPECT_EQ(c.code, api().AcionarRele1(3)) << c.transport;
    }
    auto sends = tcp_.calls("Envia_Dados");
    ASSERT_EQ(5u, sends.size());  // the frame itself: OnlineActions.EachSimpleActionSendsItsCodeWithNoPayload
    for (const FakeCall& s : sends) EXPECT_EQ(0, s.ints[3]);  // reserved word
}

TEST_F(Connection, ClosedPortGivesTwoAndSendsNothing) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    EXPECT_EQ(2, api().AcionarRele1(1));
    tcp_.queue_result("InicializaCom", 0);
    EXPECT_EQ(1, api().AbrirPortaComunicacao(1));  // a refused open leaves the port closed
    EXPECT_EQ(2, api().AcionarRele1(1));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    api().FecharPortaComunicacao();
    EXPECT_EQ(2, api().Ping(1));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    ASSERT_EQ(0, api().DefinirTipoConexao(1));  // setting the type again closes, without FinalizaCom
    EXPECT_EQ(2, api().AcionarRele1(1));
    EXPECT_TRUE(tcp_.calls("Envia_Dados").empty());
    EXPECT_EQ(1u, tcp_.calls("FinalizaCom").size());
}

TEST_F(Connection, ModemOperationsNeedTypeThreeAndAnOpenPort) {
    ASSERT_EQ(0, api().DefinirTipoConexao(0));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    EXPECT_EQ(7, api().EnviarStringInicializacaoModem("ATZ"));
    EXPECT_EQ(-1, api().LerByteModem());

    ASSERT_EQ(0, api().DefinirTipoConexao(3));
    EXPECT_EQ(2, api().EnviarStringInicializacaoModem("ATZ"));
    EXPECT_EQ(-1, api().LerByteModem());
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    serial_.queue_result("Le_Modem", 5);
    EXPECT_EQ(0, api().EnviarStringInicializacaoModem("ATZ"));
    serial_.queue_result("Modem_Str", 3);
    EXPECT_EQ(1, api().EnviarStringInicializacaoModem("ATE0"));
    EXPECT_EQ(5, api().LerByteModem());
    EXPECT_EQ(-1, api().LerByteModem());
    auto texts = serial_.calls("Modem_Str");
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ("ATZ", texts[0].text());
    EXPECT_EQ("ATE0", texts[1].text());
}

TEST_F(Connection, TcpComSkipsPingAndPassesLowBytes) {
    ASSERT_EQ(0, api().DefinirTipoConexao(2));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    EXPECT_EQ(0, api().Ping(9));
    EXPECT_TRUE(tcp_com_.calls("Send").empty());
    EXPECT_EQ(0, api().AcionarRele2(0x12345));
    auto sends = tcp_com_.calls("Send");
    ASSERT_EQ(1u, sends.size());
    EXPECT_EQ(0x12345, sends[0].ints[0]);  // terminal unchanged
    EXPECT_EQ(2, sends[0].ints[1]);        // command
    EXPECT_EQ(0, sends[0].ints[2]);        // block index
    EXPECT_EQ(0, sends[0].ints[3]);        // array of zero elements
    tcp_com_.queue_result("Send", 0);
    EXPECT_EQ(1, api().AcionarRele2(1));
    tcp_com_.queue_result("Send", static_cast<int32_t>(0x80004005u));  // failing HRESULT
    EXPECT_EQ(1, api().AcionarRele2(1));
}

TEST_F(Connection, SerialComOpensWithTheLowSixteenBitsAndNoTerminal) {
    ASSERT_EQ(0, api().DefinirTipoConexao(4));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(0x10005));
    ASSERT_EQ(1u, serial_com_.calls("Open").size());
    EXPECT_EQ(5, serial_com_.calls("Open")[0].ints[0]);
    EXPECT_EQ(0, api().LigarBackLite(77));
    auto sends = serial_com_.calls("Send");
    ASSERT_EQ(1u, sends.size());
    EXPECT_EQ(14, sends[0].ints[0]);
    EXPECT_EQ(0, sends[0].ints[1]);
}

TEST_F(Connection, ComOpenFailureAndErrors) {
    ASSERT_EQ(0, api().DefinirTipoConexao(2));
    tcp_com_.queue_result("Open", 0);
    EXPECT_EQ(1, api().AbrirPortaComunicacao(1));
    tcp_com_.queue_result("Open", static_cast<int32_t>(0x80004005u));
    EXPECT_EQ(8, api().AbrirPortaComunicacao(1));  // a failing HRESULT is an exception
    EXPECT_EQ(0, api().AbrirPortaComunicacao(1));  // and the facade is still usable
}

TEST_F(Connection, ComComponentIsReleasedWhenTheTypeChanges) {
    ASSERT_EQ(0, api().DefinirTipoConexao(2));
    EXPECT_EQ(1, tcp_com_.live_objects());
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    EXPECT_EQ(0, tcp_com_.live_objects());
    EXPECT_EQ(1u, tcp_com_.calls("Close").size());  // the destructor closes the component
}

class BareConnection : public testsupport::SdkTest {};

TEST_F(BareConnection, EveryTypeReportsItsMissingBackEnd) {
    struct Case {
        uint8_t type;
        uint8_t status;
    } cases[] = {{0, 4}, {1, 5}, {2, 6}, {3, 4}, {4, 10}};
    EXPECT_EQ(6, api().AcionarRele1(1));  // a fresh facade: type 2
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        ASSERT_EQ(0, api().DefinirTipoConexao(c.type));
        EXPECT_EQ(c.status, api().AbrirPortaComunicacao(1));
        EXPECT_EQ(c.status, api().AcionarRele1(1));
        EXPECT_EQ(-1, api().LerByteModem());
        EXPECT_EQ(-1, api().ConectarModem(1, "ATZ", 1, "123", 1));  // the modem dial's open fails
        api().FecharPortaComunicacao();
    }
    EXPECT_EQ(9, api().DefinirTipoConexao(5));
    EXPECT_EQ(10, api().AbrirPortaComunicacao(1));  // a bad type keeps the status of the type before
}

class NoLeModem : public testsupport::SdkTest {};

TEST_F(NoLeModem, SerialLibraryWithoutLeModemIsUnavailable) {
    ASSERT_EQ(0, api().DefinirTipoConexao(0));
    EXPECT_EQ(4, api().AbrirPortaComunicacao(1));
    EXPECT_TRUE(serial_.calls().empty());  // nothing of it was called
    ASSERT_EQ(0, api().DefinirTipoConexao(1));  // the TCP library beside it is fine
    EXPECT_EQ(0, api().AbrirPortaComunicacao(1));
}

// Installing the missing back end and setting the type again tries anew.
class BareRetry : public testsupport::SdkTest {};

TEST_F(BareRetry, SettingTheTypeAgainLoadsANewlyInstalledBackEnd) {
    namespace fs = std::filesystem;
    const fs::path installed = fs::current_path() / testsupport::kTcpLib;
    const fs::path source = fs::current_path().parent_path() / "fakes" / testsupport::kTcpLib;
    ASSERT_TRUE(fs::exists(source));
    ASSERT_FALSE(fs::exists(installed));

    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    EXPECT_EQ(5, api().AbrirPortaComunicacao(1));
    fs::copy_file(source, installed);
    EXPECT_EQ(5, api().AbrirPortaComunicacao(1));  // the transport keeps its verdict
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    EXPECT_EQ(0, api().AbrirPortaComunicacao(1));
    sdk_.unload();
    std::error_code ec;
    fs::remove(installed, ec);
    EXPECT_FALSE(ec) << ec.message();
}

}  // namespace
