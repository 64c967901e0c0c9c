// Windows only: an exchange dispatches at most two pending messages of the
// calling thread, one from each range around WM_TIMER, and leaves WM_TIMER
// queued.
#if defined(_WIN32)
#include <windows.h>

#include <map>

#include "sdk_test.h"

namespace {

class Win32Messages : public testsupport::SdkTest {
protected:
    static void post(UINT msg, int times) {
        for (int i = 0; i < times; ++i) PostThreadMessageA(GetCurrentThreadId(), msg, 0, 0);
    }
    // Empties the queue, counting what was left in it.
    static std::map<UINT, int> drain() {
        std::map<UINT, int> left;
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) ++left[m.message];
        return left;
    }
};

TEST_F(Win32Messages, OneExchangeTakesOneMessageFromEachRange) {
    open_tcp_lib();
    drain();
    post(WM_COMMAND, 2);  // 0x111, first range
    post(WM_TIMER, 1);    // 0x113, never taken
    post(WM_APP, 2);      // 0x8000, second range
    post(WM_APP + 1, 1);  // above 0x8000, never taken
    ASSERT_EQ(0, api().AcionarRele1(1));
    auto left = drain();
    EXPECT_EQ(1, left[WM_COMMAND]);
    EXPECT_EQ(1, left[WM_TIMER]);
    EXPECT_EQ(1, left[WM_APP]);
    EXPECT_EQ(1, left[WM_APP + 1]);
}

TEST_F(Win32Messages, TimerStaysQueuedThroughManyExchanges) {
    open_tcp_lib();
    drain();
    post(WM_TIMER, 1);
    post(WM_COMMAND, 3);
    for (int i = 0; i < 5; ++i) ASSERT_EQ(0, api().AcionarRele1(1));
    auto left = drain();
    EXPECT_EQ(1, left[WM_TIMER]);
    EXPECT_EQ(0, left[WM_COMMAND]);
}

TEST_F(Win32Messages, ClosedPortDispatchesNothing) {
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    drain();
    post(WM_COMMAND, 1);
    EXPECT_EQ(2, api().AcionarRele1(1));
    EXPECT_EQ(1, drain()[WM_COMMAND]);
}

}  // namespace
#endif
