/* A host that ends without unloading the SDK, as a Java virtual machine
 * does: it chooses a connection type, talks to a terminal and returns from
 * main. The process must end cleanly (exit code 0).
 *   exit_with_sdk_loaded <connection type> */
#include <stdio.h>
#include <stdlib.h>

#include "varanda.h"

#if defined(_WIN32)
#include <windows.h>
static void* open_sdk(void) { return (void*)LoadLibraryA("Varanda.dll"); }
static void* find(void* lib, const char* name) { return (void*)GetProcAddress((HMODULE)lib, name); }
#else
#include <dlfcn.h>
static void* open_sdk(void) { return dlopen("libvaranda.so", RTLD_NOW); }
static void* find(void* lib, const char* name) { return dlsym(lib, name); }
#endif

typedef uint8_t(VARANDA_CALL* type_fn)(uint8_t);
typedef uint8_t(VARANDA_CALL* int_fn)(int32_t);

int main(int argc, char** argv) {
    void* lib = open_sdk();
    type_fn set_type = lib ? (type_fn)find(lib, "DefinirTipoConexao") : NULL;
    int_fn open_port = lib ? (int_fn)find(lib, "AbrirPortaComunicacao") : NULL;
    int_fn relay = lib ? (int_fn)find(lib, "AcionarRele1") : NULL;
    if (argc < 2 || set_type == NULL || open_port == NULL || relay == NULL) {
        printf("usage: exit_with_sdk_loaded <type>, with the SDK on the search path\n");
        return 2;
    }
    printf("type %d: %d, open: %d, relay: %d\n", atoi(argv[1]), set_type((uint8_t)atoi(argv[1])), open_port(1),
           relay(1));
    return 0;
}
