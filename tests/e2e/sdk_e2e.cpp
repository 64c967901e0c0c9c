// The SDK's exports over connection type 1 (libvaranda + CorvoTCP) against
// corvo-sim, checking what the emulated terminal ends up with.
#include <filesystem>
#include <iterator>

#include "support/sdk_fixture.h"

namespace {

class Sdk : public e2e::SdkTest {};

// (The codes of a port not open or open already: Connection.*.)
TEST_F(Sdk, OpenPingAndClose) {
    ASSERT_EQ(0, api_.DefinirTipoConexao(1));
    EXPECT_EQ(0, api_.AbrirPortaComunicacao(port_));
    EXPECT_EQ(0, api_.Ping(1));
    EXPECT_EQ(0, api_.Ping(9));
    api_.FecharPortaComunicacao();
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
    sdk_.unload();
    size_t fds = 0, threads = 0;
    for (int cycle = 0; cycle < 100; ++cycle) {
        {
            hostkit::Sdk sdk;
            ASSERT_TRUE(sdk.load()) << hostkit::sdk_path();
            VarandaApi& api = sdk.api;
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
    ASSERT_TRUE(sdk_.load());
}
#endif

}  // namespace
