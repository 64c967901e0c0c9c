// The DLL entry: COM for each attached thread, and the facade between
// process attach and process detach.
//
// A detach with a non-null `reserved` comes from an ending process (a host
// that never unloads the library, a Java virtual machine): the other threads
// are gone and the back-end and component libraries loaded later may already
// be detached, so releasing them from here, inside the loader lock, could
// crash the ending process. The process is ending anyway, so nothing is torn
// down then; an unload (FreeLibrary, null `reserved`) tears down as before.
#include <windows.h>

#include "platform/library_entry.h"
#include "platform/com.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    namespace com = varanda::platform::com;
    try {
        switch (reason) {
            case DLL_PROCESS_ATTACH:
                com::initialize_apartment(true);
                return varanda::library_attach() ? TRUE : FALSE;
            case DLL_PROCESS_DETACH:
                if (reserved != nullptr) return TRUE;
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
