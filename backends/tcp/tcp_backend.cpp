// CorvoTCP: the TCP back-end. Each call is one exchange of the reference link
// (docs/link-protocol.md) over the connection of its terminal's endpoint:
// the open port's (127.0.0.1 unless CORVO_TCP_HOST names another host, and
// InicializaCom's port), or the one the terminal map of CORVO_TCP_TERMINALS
// gives it (terminal_map.h, endpoint_pool.h). Calls for terminals behind
// different endpoints may run at the same time from several threads.
//
// Results: InicializaCom non-zero when the port is open, 0 otherwise (a bad
// map is reported on standard error); Envia_Dados and Envia_Resposta 31 when
// accepted, 21 otherwise; Recebe_Dados and Recebe_Dados_E_Nao_Responde 40
// when exactly `length` bytes were written to the buffer, 21 otherwise (and
// nothing written). Time-out and retries: CORVO_LINK_TIMEOUT_MS and
// CORVO_LINK_RETRIES (see link/settings.h).
#include <cstdio>
#include <string>

#include "backends/link_entries.h"
#include "endpoint_pool.h"

// The entries exactly as the SDK calls them.
VARANDA_CORVOTCP_ENTRIES(VARANDA_DECLARE_BACKEND_ENTRY)

namespace {

// Closed (the connections with it) when the library is unloaded.
corvo::tcp::EndpointPool& pool() {
    static corvo::tcp::EndpointPool p;
    return p;
}

// The session of the terminal's endpoint; it lives to the end of the call it is passed to.
std::shared_ptr<corvo::link::LinkSession> at(int32_t terminal) { return pool().session(static_cast<uint32_t>(terminal)); }

}  // namespace

VARANDA_BACKEND_ENTRY(int32_t) InicializaCom(int32_t port, int32_t /*baud*/) {
    std::string report;
    if (pool().open(port, report)) return 1;
    if (!report.empty()) std::fprintf(stderr, "CorvoTCP: %s\n", report.c_str());
    return 0;
}

VARANDA_BACKEND_ENTRY(int32_t) Envia_Dados(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t /*reserved*/) {
    return corvo::backend::send(at(terminal).get(), terminal, data, command, length);
}

VARANDA_BACKEND_ENTRY(int32_t) Recebe_Dados(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t /*reserved*/) {
    return corvo::backend::receive(at(terminal).get(), terminal, buffer, command, length, true);
}

VARANDA_BACKEND_ENTRY(int32_t) Recebe_Dados_E_Nao_Responde(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                        int32_t /*reserved*/) {
    return corvo::backend::receive(at(terminal).get(), terminal, buffer, command, length, false);
}

VARANDA_BACKEND_ENTRY(int32_t) Envia_Resposta(int32_t terminal, int32_t response) {
    return corvo::backend::respond(at(terminal).get(), static_cast<uint32_t>(terminal), response);
}

VARANDA_BACKEND_ENTRY(int32_t) FinalizaCom() {
    pool().close();
    return 1;
}

// Present for hosts that look for them; the SDK does not call them.
VARANDA_BACKEND_ENTRY(int32_t) Conectado() { return pool().connected() ? 1 : 0; }
VARANDA_BACKEND_ENTRY(int32_t) Envia(int32_t /*unused*/) { return 0; }
VARANDA_BACKEND_ENTRY(int32_t) Recebe(int32_t /*unused*/) { return 0; }
VARANDA_BACKEND_ENTRY(int32_t) Desconectar() { return FinalizaCom(); }
