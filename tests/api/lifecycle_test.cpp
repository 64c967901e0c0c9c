// The facade's life: one per loaded library, defaults after a reload, what an
// unload releases, the catch-all guard, and calls from several host threads.
#include <atomic>
#include <thread>

#include "sdk_test.h"

namespace {

class Lifecycle : public testsupport::SdkTest {};

TEST_F(Lifecycle, LoadingTwiceSharesOneFacadeAndAReloadStartsFromTheDefaults) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    {
        hostkit::Sdk second;
        ASSERT_TRUE(second.load());
        EXPECT_EQ(3, second.api.AbrirPortaComunicacao(1));  // the port the first handle opened
        second.unload();
    }
    EXPECT_EQ(0, api().AcionarRele1(1));  // still loaded, still open
    sdk_.unload();
    ASSERT_TRUE(sdk_.load());
    tcp_com_.reset();
    // Connection type 2 again, port closed: the first open goes to the TCP COM component.
    EXPECT_EQ(0, api().AbrirPortaComunicacao(1));
    EXPECT_EQ(1u, tcp_com_.calls("Open").size());
    EXPECT_EQ(1, tcp_com_.live_objects());
    sdk_.unload();
    EXPECT_EQ(0, tcp_com_.live_objects());  // the unload releases the component
}

// Every declared operation resolves in SetUp (hostkit::Sdk::load); internal
// names stay inside the library.
TEST_F(Lifecycle, InternalNamesAreNotExported) {
    for (const char* name : {"library_attach", "_ZN7varanda6facadeEv", "DllMain", "Fake_Reset"})
        EXPECT_EQ(nullptr, sdk_.symbol(name)) << name;
}

TEST_F(Lifecycle, ExecInClientDllReturnsOne) { EXPECT_EQ(1, api().ExecInClientDLL(0, "abc", 0, 0)); }

TEST_F(Lifecycle, ConcurrentCallersAreServedOneAtATime) {
    open_tcp_lib();
    constexpr int kThreads = 6;
    constexpr int kCalls = 300;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kCalls; ++i) {
                if (api().AcionarRele1(t) != 0) ++failures;
                if (i % 50 == 0 && api().AbrirPortaComunicacao(1) != 3) ++failures;
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(0, failures.load());
    auto sends = tcp_.calls("Envia_Dados");
    ASSERT_EQ(size_t(kThreads * kCalls), sends.size());
    std::vector<int> per_thread(kThreads, 0);
    for (const auto& s : sends) ++per_thread.at(s.ints[0]);
    for (int n : per_thread) EXPECT_EQ(kCalls, n);
}

TEST_F(Lifecycle, ConcurrentTypeChangesAndExchangesDoNotCorruptTheFacade) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                const uint8_t type = static_cast<uint8_t>((t + i) % 6);  // 5 is refused with 9
                const uint8_t r = api().DefinirTipoConexao(type);
                EXPECT_EQ(type < 5 ? 0 : 9, r);
                api().AbrirPortaComunicacao(1);
                api().AcionarRele2(t);
                api().FecharPortaComunicacao();
            }
        });
    }
    for (auto& th : threads) th.join();
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    EXPECT_EQ(0, api().AbrirPortaComunicacao(1));
}

}  // namespace
