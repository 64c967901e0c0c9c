/* A minimal host in plain C: loads the SDK by name at run time, resolves a
 * few exports and calls them, printing each code. Arguments: the library's
 * path (default: the platform's file name), the connection type (default 1)
 * and the port (default 1). A sample to copy: it keeps its own few lines of
 * loading and names its signatures itself, as a C host does (the tree's own
 * C++ hosts share hostkit/ and the generated table instead). */
#include <stdio.h>
#include <stdlib.h>

#include "varanda.h"

#if defined(_WIN32)
#  include <windows.h>
#  define SDK_FILE "Varanda.dll"
static void* open_lib(const char* path) { return (void*)LoadLibraryA(path); }
static void* find(void* lib, const char* name) { return (void*)GetProcAddress((HMODULE)lib, name); }
static void close_lib(void* lib) { FreeLibrary((HMODULE)lib); }
#else
#  include <dlfcn.h>
#  define SDK_FILE "libvaranda.so"
static void* open_lib(const char* path) { return dlopen(path, RTLD_NOW); }
static void* find(void* lib, const char* name) { return dlsym(lib, name); }
static void close_lib(void* lib) { dlclose(lib); }
#endif

typedef uint8_t(VARANDA_CALL* type_fn)(uint8_t);
typedef uint8_t(VARANDA_CALL* port_fn)(int32_t);
typedef void(VARANDA_CALL* close_fn)(void);

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : SDK_FILE;
    const uint8_t type = (uint8_t)(argc > 2 ? atoi(argv[2]) : 1);
    const int32_t port = argc > 3 ? atoi(argv[3]) : 1;
    void* lib = open_lib(path);
    if (lib == NULL) {
        printf("cannot load %s\n", path);
        return 1;
    }
    type_fn set_type = (type_fn)find(lib, "DefinirTipoConexao");
    port_fn open_port = (port_fn)find(lib, "AbrirPortaComunicacao");
    port_fn ping = (port_fn)find(lib, "Ping");
    port_fn relay = (port_fn)find(lib, "AcionarRele1");
    close_fn close_port = (close_fn)find(lib, "FecharPortaComunicacao");
    if (!set_type || !open_port || !ping || !relay || !close_port) {
        printf("missing exports in %s\n", path);
        return 1;
    }
    printf("DefinirTipoConexao(%d) = %d\n", type, set_type(type));
    printf("AbrirPortaComunicacao(%d) = %d\n", (int)port, open_port(port));
    printf("Ping(1) = %d\n", ping(1));
    printf("AcionarRele1(1) = %d\n", relay(1));
    close_port();
    printf("FecharPortaComunicacao()\n");
    close_lib(lib);
    return 0;
}
