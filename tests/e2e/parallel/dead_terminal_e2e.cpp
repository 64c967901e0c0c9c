// Terminals of the map that do not answer: one whose endpoint accepts and
// stays mute, one whose endpoint refuses. The live terminals go on meanwhile,
// a thread asking the mute one again waits for the hanging exchange and then
// has its own turn, and a bad map fails the open. (AcionarRele1 rather than
// Ping: the TCP component answers Ping without an exchange.)
#include <atomic>
#include <fstream>
#include <sstream>

#include "backend.h"
#include "listener.h"
#include "parallel_fixture.h"

namespace e2e {
namespace {

constexpr int kMute = 20;
constexpr int kRefusing = 21;

class DeadTerminal : public ParallelTest, public ::testing::WithParamInterface<int> {
protected:
    void TearDown() override {
        ParallelTest::TearDown();
        set_env("CORVO_TCP_TERMINALS", map_);
        set_env("CORVO_LINK_TIMEOUT_MS", "");
        set_env("CORVO_LINK_RETRIES", "");
        if (!written_.empty()) std::remove(written_.c_str());
    }
    // The emulator's map with `extra` lines after it, as the map of the back-end.
    void use_map(const std::string& extra) {
        std::ifstream in(map_);
        std::stringstream text;
        text << in.rdbuf() << extra;
        written_ = map_ + ".dead";
        std::ofstream(written_) << text.str();
        set_env("CORVO_TCP_TERMINALS", written_);
    }
    std::string written_;
};

TEST_P(DeadTerminal, LiveTerminalsGoOnWhileADeadOneHangs) {
    SilentPeer mute;
    use_map(std::to_string(kMute) + " 127.0.0.1:" + std::to_string(mute.port()) + "\n" + std::to_string(kRefusing) +
            " 127.0.0.1:" + std::to_string(SilentPeer::unused_port()) + "\n");
    set_env("CORVO_LINK_TIMEOUT_MS", "1500");
    set_env("CORVO_LINK_RETRIES", "0");
    ASSERT_EQ(0, api_.DefinirTipoConexao(static_cast<uint8_t>(GetParam())));
    ASSERT_EQ(0, api_.AbrirPortaComunicacao(port_));

    std::atomic<int> stage{0};  // 1: the mute exchange began; 2: it ended
    std::atomic<bool> live_done_first{false};
    uint8_t hung = 0, second = 0;
    int live_ok = 0;
    run_threads(3, std::chrono::seconds(60), [&](int i) {
        if (i == 0) {
            stage = 1;
            hung = api_.AcionarRele1(kMute);
            stage = 2;
        } else if (i == 1) {
            while (stage == 0) std::this_thread::yield();
            std::this_thread::sleep_for(std::chrono::milliseconds(300));  // thread 0 has drawn its turn
            second = api_.AcionarRele1(kMute);  // waits for the hanging exchange, then its own
            EXPECT_EQ(2, stage.load());
        } else {
            while (stage == 0) std::this_thread::yield();
            for (int n = 0; n < 20; ++n) live_ok += api_.AcionarRele1(n % kTerminals + 1) == 0 ? 1 : 0;
            EXPECT_EQ(1, api_.AcionarRele1(kRefusing));
            live_done_first = stage == 1;
        }
    });
    EXPECT_EQ(1, hung);
    EXPECT_EQ(1, second);
    EXPECT_EQ(20, live_ok);
    EXPECT_TRUE(live_done_first) << "the live terminals waited for the mute one";
    EXPECT_EQ(0, api_.AcionarRele1(1));  // and afterwards
}

TEST_P(DeadTerminal, ABadMapFailsTheOpenAndNothingIsSent) {
    use_map("1 127.0.0.1:0\n");  // terminal 1 named twice, port 0
    ASSERT_EQ(0, api_.DefinirTipoConexao(static_cast<uint8_t>(GetParam())));
    EXPECT_EQ(1, api_.AbrirPortaComunicacao(port_));
    EXPECT_EQ(2, api_.AcionarRele1(1));
    EXPECT_EQ(0, dump(1)["commands"].size());
}

INSTANTIATE_TEST_SUITE_P(TcpLibraryAndComponent, DeadTerminal, ::testing::Values(1, 2));

}  // namespace
}  // namespace e2e
