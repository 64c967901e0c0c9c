// The DLL entry: COM for each attached thread, and the facade between
// process attach and process detach.
#include <windows.h>

#include "api/facade.h"
#include "platform/com.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    namespace com = varanda::platform::com;
    try {
        switch (reason) {
            case DLL_PROCESS_ATTACH:
                com::initialize_apartment(true);
                return varanda::library_attach() ? TRUE : FALSE;
            case DLL_PROCESS_DETACH:
                varanda::library_detach();
                com::uninitialize();
                return TRUE;
            case DLL_THREAD_ATTACH:
                com::initialize_apartment(false);
                return TRUE;
            case DLL_THREAD_DETACH:
                com::uninitialize();
                return TRUE;
            default:
                return TRUE;
        }
    } catch (...) {
        return FALSE;
    }
}
