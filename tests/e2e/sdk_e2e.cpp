// The SDK's exports over connection type 1 (libvaranda + CorvoTCP) against
// corvo-sim, checking what the emulated terminal ends up with.
#include <filesystem>
#include <functional>
#include <iterator>

#include "support/sdk_fixture.h"

namespace {

class Sdk : public e2e::SdkTest {};

TEST_F(Sdk, OpenPingAndClose) {
    ASSERT_EQ(0, api_.DefinirTipoConexao(1));
    EXPECT_EQ(2, api_.Ping(1));  // not open yet
    EXPECT_EQ(0, api_.AbrirPortaComunicacao(port_));
    EXPECT_EQ(3, api_.AbrirPortaComunicacao(port_));
    EXPECT_EQ(0, api_.Ping(1));
    EXPECT_EQ(0, api_.Ping(9));
    api_.FecharPortaComunicacao();
    EXPECT_EQ(2, api_.Ping(1));
    EXPECT_EQ(1, dump(1)["pings"].num());
    EXPECT_EQ(1, dump(9)["pings"].num());
}

#if !defined(_WIN32)
// Open file descriptors and threads of this process.
size_t entries(const char* dir) {
    using std::filesystem::directory_iterator;
    return static_cast<size_t>(std::distance(directory_iterator(dir), directory_iterator{}));
}

// A host that loads the SDK, talks to a terminal and unloads it, a hundred
// times: every cycle hands back its sockets and threads (the leak checker of
// the sanitizer build sees the memory).
TEST_F(Sdk, AHundredLoadExchangeUnloadCyclesLeaveNothingBehind) {
    api_ = VarandaApi{};
    lib_.close();
    const std::string path = testsupport::env_or("VARANDA_SDK", "libvaranda.so");
    size_t fds = 0, threads = 0;
    for (int cycle = 0; cycle < 100; ++cycle) {
        {
            testsupport::Library lib(path);
            VarandaApi api;
            ASSERT_TRUE(api.resolve([&](const char* n) { return lib.symbol(n); })) << path;
            ASSERT_EQ(0, api.DefinirTipoConexao(1));
            ASSERT_EQ(0, api.AbrirPortaComunicacao(port_)) << "cycle " << cycle;
            ASSERT_EQ(0, api.Ping(1)) << "cycle " << cycle;
            api.FecharPortaComunicacao();
        }
        if (cycle == 0) fds = entries("/proc/self/fd"), threads = entries("/proc/self/task");
    }
    EXPECT_EQ(fds, entries("/proc/self/fd"));
    EXPECT_EQ(threads, entries("/proc/self/task"));
    EXPECT_EQ(100, dump(1)["pings"].num());
    ASSERT_TRUE(lib_.open(path));
    ASSERT_TRUE(api_.resolve([this](const char* n) { return lib_.symbol(n); }));
}
#endif

TEST_F(Sdk, OpenOnAPortWithoutTerminalsIsRefused) {
    ASSERT_EQ(0, api_.DefinirTipoConexao(1));
    EXPECT_EQ(1, api_.AbrirPortaComunicacao(1));  // nothing listens on port 1
    EXPECT_EQ(2, api_.Ping(1));
}

// A few actions, for the wiring; every action's command code is checked
// through the exports (OnlineActions).
TEST_F(Sdk, ActionCommandsReachTheTerminal) {
    open();
    using Op = uint8_t(VARANDA_CALL*)(int32_t);
    struct Case {
        const char* name;
        Op VarandaApi::*op;
        std::function<int64_t(const e2e::JsonValue&)> read;
        int64_t before, after;
    } cases[] = {
        {"AcionarRele1", &VarandaApi::AcionarRele1, [](const auto& s) { return s["relays"][0]["pulses"].num(); }, 0, 1},
        {"ManterRele1Acionado", &VarandaApi::ManterRele1Acionado, [](const auto& s) { return int64_t(s["relays"][0]["held"].boolean()); }, 0, 1},
        {"DesabilitarRele1", &VarandaApi::DesabilitarRele1, [](const auto& s) { return int64_t(s["relays"][0]["held"].boolean()); }, 1, 0},
        {"LevantarParaOnLine", &VarandaApi::LevantarParaOnLine, [](const auto& s) { return s["raises"].num(); }, 0, 1},
        {"PingOnLine", &VarandaApi::PingOnLine, [](const auto& s) { return s["raises"].num(); }, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.before, c.read(dump(4)));
        EXPECT_EQ(0, (api_.*c.op)(4));
        EXPECT_EQ(c.after, c.read(dump(4)));
    }
    EXPECT_TRUE(dump(4)["online"].boolean());
}

TEST_F(Sdk, ACommandTheTerminalRefusesGivesOne) {
    open();
    sim("refuse 2 1,27");
    EXPECT_EQ(1, api_.AcionarRele1(2));
    EXPECT_EQ(1, api_.LigarLedVermelho(2));
    EXPECT_EQ(0, api_.AcionarRele2(2));
    const auto s = dump(2);
    EXPECT_EQ(0, s["relays"][0]["pulses"].num());
    EXPECT_FALSE(s["red_led"].boolean());
    EXPECT_EQ(1, s["relays"][1]["pulses"].num());
}

}  // namespace
