// Connects to the terminals' TCP endpoint (connection type 1), pings
// terminal 1 and collects one stored punch. Usage: cpp_host PORT
#include <cstdio>
#include <cstdlib>
#include <string>

#include "varanda.h"
#include "varanda_codes.h"

namespace {

bool check(const char* what, uint8_t code) {
    std::printf("%s: %u %s\n", what, code, varanda_code_text(code));
    return code == VARANDA_OK;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cpp_host PORT\n");
        return 2;
    }
    const int32_t port = std::atoi(argv[1]);
    const int32_t terminal = 1;
    if (!check("DefinirTipoConexao", DefinirTipoConexao(1)) ||
        !check("AbrirPortaComunicacao", AbrirPortaComunicacao(port)))
        return 1;
    bool ok = check("Ping", Ping(terminal));

    uint8_t type = 0, day = 0, month = 0, year = 0, hour = 0, minute = 0;
    char card[17] = {};  // 16 characters, not terminated by the SDK
    if (check("ColetarBilhete", ColetarBilhete(terminal, &type, &day, &month, &year, &hour, &minute, card)))
        std::printf("punch type %u on %02u/%02u/%02u %02u:%02u card %s\n", type, day, month, year, hour, minute,
                    std::string(card, 16).c_str());
    else
        ok = false;
    FecharPortaComunicacao();
    return ok ? 0 : 1;
}
