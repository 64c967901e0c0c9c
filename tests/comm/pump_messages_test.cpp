// Windows only: an exchange dispatches at most two pending messages of the
// calling thread, one from each range around WM_TIMER, and leaves WM_TIMER
// queued; with the port closed nothing is dispatched.
#if defined(_WIN32)
#include <windows.h>

#include <map>

#include "sdk_test.h"

namespace {

class Win32Messages : public testsupport::SdkTest {
protected:
    // Empties the queue, counting what was left in it.
    static std::map<UINT, int> drain() {
        std::map<UINT, int> left;
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) ++left[m.message];
        return left;
    }
};

TEST_F(Win32Messages, ExchangesTakeOneMessageFromEachRangeAndNeverTheTimer) {
    struct Case {
        const char* what;
        bool open;
        int exchanges;
        std::map<UINT, int> posted, left;  // WM_COMMAND 0x111 below WM_TIMER 0x113, WM_APP 0x8000 above
    } cases[] = {
        {"one exchange", true, 1, {{WM_COMMAND, 2}, {WM_TIMER, 1}, {WM_APP, 2}, {WM_APP + 1, 1}},
         {{WM_COMMAND, 1}, {WM_TIMER, 1}, {WM_APP, 1}, {WM_APP + 1, 1}}},
        {"five exchanges", true, 5, {{WM_TIMER, 1}, {WM_COMMAND, 3}}, {{WM_TIMER, 1}, {WM_COMMAND, 0}}},
        {"closed port", false, 1, {{WM_COMMAND, 1}}, {{WM_COMMAND, 1}}},
    };
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.open) {
            ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
        }
        drain();
        for (const auto& [msg, times] : c.posted) {
            for (int i = 0; i < times; ++i) PostThreadMessageA(GetCurrentThreadId(), msg, 0, 0);
        }
        for (int i = 0; i < c.exchanges; ++i) EXPECT_EQ(c.open ? 0 : 2, api().AcionarRele1(1));
        auto left = drain();
        for (const auto& [msg, times] : c.posted) EXPECT_EQ(c.left.at(msg), left[msg]) << msg;
        api().FecharPortaComunicacao();
    }
}

}  // namespace
#endif
