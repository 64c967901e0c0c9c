// The demo host: drives terminal 1 through the Varanda SDK the way a host
// application does: it loads the library by name, looks its operations up
// (hostkit/ and the generated table of operations, no signature typed here),
// opens a TCP connection (type 1), pings the terminal, sets its clock, sends a
// configuration, messages, schedules and an access list of 1,000 cards,
// collects the stored punches and prints a summary.
//
// Usage: corvo-demo [port]   (default: $CORVO_SIM_PORT)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "sdk.h"

namespace {

constexpr int32_t kTerminal = 1;
int g_failures = 0;
int g_skipped = 0;

void step(const char* what, const char* detail = "") { std::printf("  %-36s %s", what, detail); }
void result(uint8_t code) {
    if (code == 0) {
        std::printf("ok\n");
    } else {
        std::printf("FAILED (code %u)\n", code);
        ++g_failures;
    }
}
bool missing(const char* name) {
    std::printf("skipped: this SDK build has no %s\n", name);
    ++g_skipped;
    return true;
}

struct Punch {
    uint8_t type, day, month, year, hour, minute;
    char card[17];
};

}  // namespace

int main(int argc, char** argv) {
    const char* port_text = argc > 1 ? argv[1] : std::getenv("CORVO_SIM_PORT");
    const int port = port_text != nullptr ? std::atoi(port_text) : 0;
    if (port <= 0 || port > 65535) {
        std::fprintf(stderr, "usage: corvo-demo PORT (or run it under corvo-sim)\n");
        return 2;
    }
    hostkit::Sdk sdk;
    sdk.load(hostkit::library_file("Varanda", "varanda"));  // what this SDK build lacks stays null
    if (!sdk.loaded()) {
        std::fprintf(stderr, "corvo-demo: cannot load the Varanda SDK\n");
        return 1;
    }
    std::printf("Varanda demo: terminal %d behind 127.0.0.1:%d\n", kTerminal, port);

    const VarandaApi& api = sdk.api;
    if (!api.DefinirTipoConexao || !api.AbrirPortaComunicacao || !api.FecharPortaComunicacao || !api.Ping) {
        std::fprintf(stderr, "corvo-demo: the SDK lacks its connection operations\n");
        return 1;
    }

    step("open the TCP connection");
    uint8_t code = api.DefinirTipoConexao(1);
    if (code == 0) code = api.AbrirPortaComunicacao(port);
    result(code);
    if (code != 0) return 1;

    step("ping terminal 1");
    result(api.Ping(kTerminal));

    step("set the clock");
    if (auto EnviarRelogio = api.EnviarRelogio; EnviarRelogio || missing("EnviarRelogio")) {
        if (EnviarRelogio) {
            const std::time_t now = std::time(nullptr);
            const std::tm* t = std::localtime(&now);
            result(EnviarRelogio(kTerminal, uint8_t(t->tm_mday), uint8_t(t->tm_mon + 1), uint8_t(t->tm_year % 100),
                                 uint8_t(t->tm_hour), uint8_t(t->tm_min), uint8_t(t->tm_sec)));
        }
    }

    step("send a configuration");
    {
        auto offline = api.ConfigurarCorvoOffLine;
        auto keypad = api.HabilitarTeclado;
        auto relay = api.ConfigurarAcionamento1;
        auto digits = api.DefinirQuantidadeDigitosCartao;
        auto send = api.EnviarConfiguracoes;
        if (!offline || !keypad || !relay || !digits || !send) {
            missing("EnviarConfiguracoes and its setters");
        } else {
            code = offline();
            if (code == 0) code = keypad(1, 0);
            if (code == 0) code = relay(1, 5);
            if (code == 0) code = digits(14);
            if (code == 0) code = send(kTerminal);
            result(code);
        }
    }

    step("send the offline messages");
    {
        auto entry = api.DefinirMensagemEntradaOffLine;
        auto exit = api.DefinirMensagemSaidaOffLine;
        auto standard = api.DefinirMensagemPadraoOffLine;
        auto send = api.EnviarMensagensOffLine;
        if (!entry || !exit || !standard || !send) {
            missing("EnviarMensagensOffLine and its setters");
        } else {
            code = entry(1, "Bem-vindo");
            if (code == 0) code = exit(1, "Ate amanha");
            if (code == 0) code = standard(0, "Varanda demo    Passe o cartao");
            if (code == 0) code = send(kTerminal);
            result(code);
        }
    }

    step("send access and siren schedules");
    {
        auto insert = api.InserirHorarioAcesso;
        auto send = api.EnviarHorariosAcesso;
        auto siren = api.InserirHorarioSirene;
        auto send_sirens = api.EnviarHorariosSirene;
        if (!insert || !send || !siren || !send_sirens) {
            missing("EnviarHorariosAcesso / EnviarHorariosSirene");
        } else {
            code = 0;
            for (uint8_t day = 2; day <= 6 && code == 0; ++day) {  // schedule 1: weekdays 08:00-12:00, 13:00-18:00
                code = insert(1, day, 1, 8, 0);
                if (code == 0) code = insert(1, day, 2, 12, 0);
                if (code == 0) code = insert(1, day, 3, 13, 0);
                if (code == 0) code = insert(1, day, 4, 18, 0);
            }
            if (code == 0) code = send(kTerminal);
            if (code == 0) code = siren(8, 0, 0, 1, 1, 1, 1, 1, 0);
            if (code == 0) code = siren(18, 0, 0, 1, 1, 1, 1, 1, 0);
            if (code == 0) code = send_sirens(kTerminal);
            result(code);
        }
    }

    step("send an access list of 1,000 cards");
    {
        auto insert = api.InserirUsuarioListaAcesso;
        auto send = api.EnviarListaAcesso;
        if (!insert || !send) {
            missing("InserirUsuarioListaAcesso / EnviarListaAcesso");
        } else {
            code = 0;
            for (int i = 0; i < 1000 && code == 0; ++i) code = insert(std::to_string(1000000 + i).c_str(), 1);
            if (code == 0) code = send(kTerminal);
            result(code);
        }
    }

    std::vector<Punch> punches;
    int32_t stored = -1;
    double seconds = 0;
    step("collect the stored punches");
    {
        auto count = api.ReceberQuantidadeBilhetes;
        auto collect = api.ColetarBilhete;
        if (!count || !collect) {
            missing("ReceberQuantidadeBilhetes / ColetarBilhete");
        } else {
            code = count(kTerminal, &stored);
            std::printf("%d stored\n", code == 0 ? stored : -1);
            const auto start = std::chrono::steady_clock::now();
            int shown = 0;
            for (int calls = 0; calls < 2 * stored + 10; ++calls) {
                Punch p{};
                const uint8_t r = collect(kTerminal, &p.type, &p.day, &p.month, &p.year, &p.hour, &p.minute, p.card);
                if (r == 128) continue;  // the same punch offered again
                if (r != 0) break;       // no more punches
                punches.push_back(p);
                const int tenth = static_cast<int>(punches.size() * 10 / static_cast<std::size_t>(stored > 0 ? stored : 1));
                if (tenth > shown) {
                    shown = tenth;
                    std::printf("    [%-10s] %zu of %d\n", std::string(static_cast<std::size_t>(tenth > 10 ? 10 : tenth), '#').c_str(),
                                punches.size(), stored);
                    std::fflush(stdout);
                }
            }
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (static_cast<int32_t>(punches.size()) != stored) ++g_failures;
        }
    }

    api.FecharPortaComunicacao();

    std::printf("Summary\n");
    if (stored >= 0) {
        std::printf("  punches collected: %zu of %d in %.2f s\n", punches.size(), stored, seconds);
        for (std::size_t i = 0; i < punches.size() && i < 5; ++i) {
            const Punch& p = punches[i];
            std::printf("    type %u  %02u/%02u/%02u %02u:%02u  card %.16s\n", p.type, p.day, p.month, p.year, p.hour,
                        p.minute, p.card);
        }
    }
    std::printf("  steps failed: %d, skipped: %d\n", g_failures, g_skipped);
    return g_failures == 0 ? 0 : 1;
}
