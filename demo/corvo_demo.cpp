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
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "sdk.h"

namespace {

constexpr int32_t kTerminal = 1;
constexpr int kSkipped = -1;  // a step's outcome when this SDK build lacks an operation it needs
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
void missing(const char* name) {
    std::printf("skipped: this SDK build has no %s\n", name);
    ++g_skipped;
}

// Makes the calls in order up to the first that fails: its code, else 0.
uint8_t until_failure(std::initializer_list<std::function<uint8_t()>> calls) {
    for (const auto& call : calls) {
        if (const uint8_t code = call(); code != 0) return code;
    }
    return 0;
}

int set_clock(const VarandaApi& api) {
    if (!api.EnviarRelogio) return kSkipped;
    const std::time_t now = std::time(nullptr);
    const std::tm* t = std::localtime(&now);
    return api.EnviarRelogio(kTerminal, uint8_t(t->tm_mday), uint8_t(t->tm_mon + 1), uint8_t(t->tm_year % 100),
                             uint8_t(t->tm_hour), uint8_t(t->tm_min), uint8_t(t->tm_sec));
}

int send_configuration(const VarandaApi& api) {
    if (!api.ConfigurarCorvoOffLine || !api.HabilitarTeclado || !api.ConfigurarAcionamento1 ||
        !api.DefinirQuantidadeDigitosCartao || !api.EnviarConfiguracoes)
        return kSkipped;
    return until_failure({[&] { return api.ConfigurarCorvoOffLine(); }, [&] { return api.HabilitarTeclado(1, 0); },
                          [&] { return api.ConfigurarAcionamento1(1, 5); },
                          [&] { return api.DefinirQuantidadeDigitosCartao(14); },
                          [&] { return api.EnviarConfiguracoes(kTerminal); }});
}

int send_messages(const VarandaApi& api) {
    if (!api.DefinirMensagemEntradaOffLine || !api.DefinirMensagemSaidaOffLine || !api.DefinirMensagemPadraoOffLine ||
        !api.EnviarMensagensOffLine)
        return kSkipped;
    return until_failure({[&] { return api.DefinirMensagemEntradaOffLine(1, "Bem-vindo"); },
                          [&] { return api.DefinirMensagemSaidaOffLine(1, "Ate amanha"); },
                          [&] { return api.DefinirMensagemPadraoOffLine(0, "Varanda demo    Passe o cartao"); },
                          [&] { return api.EnviarMensagensOffLine(kTerminal); }});
}

// Schedule 1: weekdays 08:00-12:00 and 13:00-18:00; sirens at 08:00 and 18:00 on weekdays.
int send_schedules(const VarandaApi& api) {
    if (!api.InserirHorarioAcesso || !api.EnviarHorariosAcesso || !api.InserirHorarioSirene ||
        !api.EnviarHorariosSirene)
        return kSkipped;
    static constexpr uint8_t kTimes[4][2] = {{8, 0}, {12, 0}, {13, 0}, {18, 0}};
    uint8_t code = 0;
    for (uint8_t day = 2; day <= 6 && code == 0; ++day) {
        for (uint8_t time = 1; time <= 4 && code == 0; ++time)
            code = api.InserirHorarioAcesso(1, day, time, kTimes[time - 1][0], kTimes[time - 1][1]);
    }
    if (code != 0) return code;
    return until_failure({[&] { return api.EnviarHorariosAcesso(kTerminal); },
                          [&] { return api.InserirHorarioSirene(8, 0, 0, 1, 1, 1, 1, 1, 0); },
                          [&] { return api.InserirHorarioSirene(18, 0, 0, 1, 1, 1, 1, 1, 0); },
                          [&] { return api.EnviarHorariosSirene(kTerminal); }});
}

int send_access_list(const VarandaApi& api) {
    if (!api.InserirUsuarioListaAcesso || !api.EnviarListaAcesso) return kSkipped;
    uint8_t code = 0;
    for (int i = 0; i < 1000 && code == 0; ++i)
        code = api.InserirUsuarioListaAcesso(std::to_string(1000000 + i).c_str(), 1);
    if (code == 0) code = api.EnviarListaAcesso(kTerminal);
    return code;
}

struct Step {
    const char* what;
    const char* needs;  // said when the step is skipped
    int (*run)(const VarandaApi& api);
};

const Step kSteps[] = {
    {"set the clock", "EnviarRelogio", set_clock},
    {"send a configuration", "EnviarConfiguracoes and its setters", send_configuration},
    {"send the offline messages", "EnviarMensagensOffLine and its setters", send_messages},
    {"send access and siren schedules", "EnviarHorariosAcesso / EnviarHorariosSirene", send_schedules},
    {"send an access list of 1,000 cards", "InserirUsuarioListaAcesso / EnviarListaAcesso", send_access_list},
};

struct Punch {
    uint8_t type, day, month, year, hour, minute;
    char card[17];
};

struct Collection {
    std::vector<Punch> punches;
    int32_t stored = -1;
    double seconds = 0;
};

void show_progress(const Collection& c, int& shown) {
    const int tenth = static_cast<int>(c.punches.size() * 10 / static_cast<std::size_t>(c.stored > 0 ? c.stored : 1));
    if (tenth <= shown) return;
    shown = tenth;
    std::printf("    [%-10s] %zu of %d\n", std::string(static_cast<std::size_t>(tenth > 10 ? 10 : tenth), '#').c_str(),
                c.punches.size(), c.stored);
    std::fflush(stdout);
}

void collect_punches(const VarandaApi& api, Collection& c) {
    if (!api.ReceberQuantidadeBilhetes || !api.ColetarBilhete) {
        missing("ReceberQuantidadeBilhetes / ColetarBilhete");
        return;
    }
    const uint8_t code = api.ReceberQuantidadeBilhetes(kTerminal, &c.stored);
    std::printf("%d stored\n", code == 0 ? c.stored : -1);
    const auto start = std::chrono::steady_clock::now();
    int shown = 0;
    for (int calls = 0; calls < 2 * c.stored + 10; ++calls) {
        Punch p{};
        const uint8_t r = api.ColetarBilhete(kTerminal, &p.type, &p.day, &p.month, &p.year, &p.hour, &p.minute, p.card);
        if (r == 128) continue;  // the same punch offered again
        if (r != 0) break;       // no more punches
        c.punches.push_back(p);
        show_progress(c, shown);
    }
    c.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (static_cast<int32_t>(c.punches.size()) != c.stored) ++g_failures;
}

void print_summary(const Collection& c) {
    std::printf("Summary\n");
    if (c.stored >= 0) {
        std::printf("  punches collected: %zu of %d in %.2f s\n", c.punches.size(), c.stored, c.seconds);
        for (std::size_t i = 0; i < c.punches.size() && i < 5; ++i) {
            const Punch& p = c.punches[i];
            std::printf("    type %u  %02u/%02u/%02u %02u:%02u  card %.16s\n", p.type, p.day, p.month, p.year, p.hour,
                        p.minute, p.card);
        }
    }
    std::printf("  steps failed: %d, skipped: %d\n", g_failures, g_skipped);
}

// Opens the TCP connection to `port` and pings the terminal; false when the
// connection does not open.
bool open_connection(const VarandaApi& api, int port) {
    step("open the TCP connection");
    uint8_t code = api.DefinirTipoConexao(1);
    if (code == 0) code = api.AbrirPortaComunicacao(port);
    result(code);
    if (code != 0) return false;
    step("ping terminal 1");
    result(api.Ping(kTerminal));
    return true;
}

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

    if (!open_connection(api, port)) return 1;
    for (const Step& s : kSteps) {
        step(s.what);
        const int outcome = s.run(api);
        if (outcome == kSkipped)
            missing(s.needs);
        else
            result(static_cast<uint8_t>(outcome));
    }

    Collection collection;
    step("collect the stored punches");
    collect_punches(api, collection);
    api.FecharPortaComunicacao();
    print_summary(collection);
    return g_failures == 0 ? 0 : 1;
}
