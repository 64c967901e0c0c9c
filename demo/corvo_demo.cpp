// The demo host: drives terminal 1 through the Varanda SDK the way a host
// application does: it loads the library by name, looks its operations up,
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

#include "varanda.h"

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

namespace {

// The SDK, loaded as a host loads it.
class Sdk {
public:
    bool load() {
#if defined(_WIN32)
        handle_ = reinterpret_cast<void*>(LoadLibraryA("Varanda.dll"));
#else
        handle_ = dlopen("libvaranda.so", RTLD_NOW);
#endif
        return handle_ != nullptr;
    }
    // The operation `name` with the signature F, or null when this SDK build lacks it.
    template <class F>
    F get(const char* name) {
#if defined(_WIN32)
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name)));
#else
        return reinterpret_cast<F>(dlsym(handle_, name));
#endif
    }

private:
    void* handle_ = nullptr;
};

// Operation signatures, as varanda.h declares them.
using TerminalOp = uint8_t(VARANDA_CALL*)(int32_t terminal);
using TypeOp = uint8_t(VARANDA_CALL*)(uint8_t type);
using OpenOp = uint8_t(VARANDA_CALL*)(int32_t port);
using CloseOp = void(VARANDA_CALL*)();
using ClockOp = uint8_t(VARANDA_CALL*)(int32_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t);
using NoArgOp = uint8_t(VARANDA_CALL*)();
using ByteOp = uint8_t(VARANDA_CALL*)(uint8_t);
using TwoByteOp = uint8_t(VARANDA_CALL*)(uint8_t, uint8_t);
using MessageOp = uint8_t(VARANDA_CALL*)(uint8_t flag, const char* text);
using AccessTimeOp = uint8_t(VARANDA_CALL*)(uint8_t, uint8_t, uint8_t, uint8_t, uint8_t);
using SirenOp = uint8_t(VARANDA_CALL*)(uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t);
using CardOp = uint8_t(VARANDA_CALL*)(const char* card, uint8_t schedule);
using CountOp = uint8_t(VARANDA_CALL*)(int32_t terminal, int32_t* count);
using PunchOp = uint8_t(VARANDA_CALL*)(int32_t, uint8_t*, uint8_t*, uint8_t*, uint8_t*, uint8_t*, uint8_t*, char*);

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
    Sdk sdk;
    if (!sdk.load()) {
        std::fprintf(stderr, "corvo-demo: cannot load the Varanda SDK\n");
        return 1;
    }
    std::printf("Varanda demo: terminal %d behind 127.0.0.1:%d\n", kTerminal, port);

    auto DefinirTipoConexao = sdk.get<TypeOp>("DefinirTipoConexao");
    auto AbrirPortaComunicacao = sdk.get<OpenOp>("AbrirPortaComunicacao");
    auto FecharPortaComunicacao = sdk.get<CloseOp>("FecharPortaComunicacao");
    auto Ping = sdk.get<TerminalOp>("Ping");
    if (!DefinirTipoConexao || !AbrirPortaComunicacao || !FecharPortaComunicacao || !Ping) {
        std::fprintf(stderr, "corvo-demo: the SDK lacks its connection operations\n");
        return 1;
    }

    step("open the TCP connection");
    uint8_t code = DefinirTipoConexao(1);
    if (code == 0) code = AbrirPortaComunicacao(port);
    result(code);
    if (code != 0) return 1;

    step("ping terminal 1");
    result(Ping(kTerminal));

    step("set the clock");
    if (auto EnviarRelogio = sdk.get<ClockOp>("EnviarRelogio"); EnviarRelogio || missing("EnviarRelogio")) {
        if (EnviarRelogio) {
            const std::time_t now = std::time(nullptr);
            const std::tm* t = std::localtime(&now);
            result(EnviarRelogio(kTerminal, uint8_t(t->tm_mday), uint8_t(t->tm_mon + 1), uint8_t(t->tm_year % 100),
                                 uint8_t(t->tm_hour), uint8_t(t->tm_min), uint8_t(t->tm_sec)));
        }
    }

    step("send a configuration");
    {
        auto offline = sdk.get<NoArgOp>("ConfigurarCorvoOffLine");
        auto keypad = sdk.get<TwoByteOp>("HabilitarTeclado");
        auto relay = sdk.get<TwoByteOp>("ConfigurarAcionamento1");
        auto digits = sdk.get<ByteOp>("DefinirQuantidadeDigitosCartao");
        auto send = sdk.get<TerminalOp>("EnviarConfiguracoes");
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
        auto entry = sdk.get<MessageOp>("DefinirMensagemEntradaOffLine");
        auto exit = sdk.get<MessageOp>("DefinirMensagemSaidaOffLine");
        auto standard = sdk.get<MessageOp>("DefinirMensagemPadraoOffLine");
        auto send = sdk.get<TerminalOp>("EnviarMensagensOffLine");
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
        auto insert = sdk.get<AccessTimeOp>("InserirHorarioAcesso");
        auto send = sdk.get<TerminalOp>("EnviarHorariosAcesso");
        auto siren = sdk.get<SirenOp>("InserirHorarioSirene");
        auto send_sirens = sdk.get<TerminalOp>("EnviarHorariosSirene");
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
        auto insert = sdk.get<CardOp>("InserirUsuarioListaAcesso");
        auto send = sdk.get<TerminalOp>("EnviarListaAcesso");
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
        auto count = sdk.get<CountOp>("ReceberQuantidadeBilhetes");
        auto collect = sdk.get<PunchOp>("ColetarBilhete");
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

    FecharPortaComunicacao();

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
