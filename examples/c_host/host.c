/* A C host built against an installed SDK with pkg-config:
 *   cc host.c $(pkg-config --cflags --libs varanda) -o c_host
 * Connects to the terminals' TCP endpoint (connection type 1), pings
 * terminal 1 and collects one stored punch. Usage: c_host PORT */
#include <stdio.h>
#include <stdlib.h>

#include "varanda.h"
#include "varanda_codes.h"

static int check(const char* what, uint8_t code) {
    printf("%s: %u %s\n", what, code, varanda_code_text(code));
    return code == VARANDA_OK;
}

int main(int argc, char** argv) {
    uint8_t type = 0, day = 0, month = 0, year = 0, hour = 0, minute = 0;
    char card[17] = {0}; /* 16 characters, not terminated by the SDK */
    int ok;
    if (argc < 2) {
        fprintf(stderr, "usage: c_host PORT\n");
        return 2;
    }
    if (!check("DefinirTipoConexao", DefinirTipoConexao(1)) ||
        !check("AbrirPortaComunicacao", AbrirPortaComunicacao(atoi(argv[1]))))
        return 1;
    ok = check("Ping", Ping(1));
    if (check("ColetarBilhete", ColetarBilhete(1, &type, &day, &month, &year, &hour, &minute, card)))
        printf("punch type %u on %02u/%02u/%02u %02u:%02u card %s\n", type, day, month, year, hour, minute, card);
    else
        ok = 0;
    FecharPortaComunicacao();
    return ok ? 0 : 1;
}
