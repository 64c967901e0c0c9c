#include <windows.h>

#include "platform/process_lock.h"
#include "platform/system.h"

namespace varanda::platform {

void sleep_ms(uint32_t ms) {
    const ProcessLockRelease unlocked;
    Sleep(ms);
}

uint32_t tick_ms() { return GetTickCount(); }

void pump_messages() {
    MSG msg;
    // Two ranges around WM_TIMER (0x113), so that timers stay queued.
    if (PeekMessageA(&msg, nullptr, 1, 0x112, PM_REMOVE | PM_NOYIELD)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (PeekMessageA(&msg, nullptr, 0x114, 0x8000, PM_REMOVE | PM_NOYIELD)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int32_t message_box(const char* text, const char* caption) {
    MessageBoxA(nullptr, text, caption, MB_ICONINFORMATION);
    return 1;
}

LocalTime system_local_time() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek};
}

}  // namespace varanda::platform
