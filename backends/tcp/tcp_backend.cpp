// CorvoTCP: the TCP back-end. One connection to the terminals' converter (or
// to corvo-sim) carries every terminal number; each call is one exchange of
// the reference link (docs/link-protocol.md).
//
// Results: InicializaCom non-zero when connected, 0 otherwise; Envia_Dados
// and Envia_Resposta 31 when accepted, 21 otherwise; Recebe_Dados and
// Recebe_Dados_E_Nao_Responde 40 when exactly `length` bytes were written to
// the buffer, 21 otherwise (and nothing written).
//
// The host is 127.0.0.1 unless CORVO_TCP_HOST names another; the port is
// InicializaCom's first argument. Time-out and retries: CORVO_LINK_TIMEOUT_MS
// and CORVO_LINK_RETRIES (see link/settings.h).
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>

#include "link/client.h"
#include "socket_stream.h"

#if defined(_WIN32)
#  define CORVO_ENTRY extern "C" __declspec(dllexport) int32_t __stdcall
#else
#  define CORVO_ENTRY extern "C" __attribute__((visibility("default"))) int32_t
#endif

namespace {

constexpr int32_t kSent = 31;
constexpr int32_t kReceived = 40;
constexpr int32_t kFailed = 21;

struct Backend {
    std::mutex lock;
    corvo::tcp::SocketStream socket;
    corvo::link::Sequencer sequencer{corvo::link::new_session_id()};
    std::unique_ptr<corvo::link::Client> client;

    // The client when connected and healthy; a broken connection is closed.
    corvo::link::Client* usable() {
        if (client && client->broken()) {
            client.reset();
            socket.close();
        }
        return client.get();
    }
};

// Closed (the connection with it) when the library is unloaded.
Backend& backend() {
    static Backend b;
    return b;
}

std::string host_name() {
    const char* h = std::getenv("CORVO_TCP_HOST");
    return (h != nullptr && *h != '\0') ? std::string(h) : std::string("127.0.0.1");
}

}  // namespace

CORVO_ENTRY InicializaCom(int32_t port, int32_t /*baud*/) {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    b.client.reset();
    b.socket.close();
    if (port <= 0 || port > 65535) return 0;
    const corvo::link::Settings settings = corvo::link::Settings::from_environment();
    if (!b.socket.connect(host_name(), static_cast<uint16_t>(port), settings.timeout_ms)) return 0;
    b.client = std::make_unique<corvo::link::Client>(b.socket, b.sequencer, settings);
    return 1;
}

CORVO_ENTRY Envia_Dados(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t /*reserved*/) {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    corvo::link::Client* c = b.usable();
    if (c == nullptr || length < 0 || command < 0 || command > 255 || (length > 0 && data == nullptr)) return kFailed;
    const auto r = c->send(static_cast<uint32_t>(terminal), static_cast<uint8_t>(command), data,
                           static_cast<uint32_t>(length));
    b.usable();
    return r == corvo::link::Client::Outcome::Accepted ? kSent : kFailed;
}

namespace {
int32_t receive(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, bool acknowledge) {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    corvo::link::Client* c = b.usable();
    if (c == nullptr || length < 0 || command < 0 || command > 255 || (length > 0 && buffer == nullptr)) return kFailed;
    const auto r = c->receive(static_cast<uint32_t>(terminal), static_cast<uint8_t>(command), buffer,
                              static_cast<uint32_t>(length), acknowledge);
    b.usable();
    return r == corvo::link::Client::Outcome::Accepted ? kReceived : kFailed;
}
}  // namespace

CORVO_ENTRY Recebe_Dados(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t /*reserved*/) {
    return receive(terminal, buffer, command, length, true);
}

CORVO_ENTRY Recebe_Dados_E_Nao_Responde(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                        int32_t /*reserved*/) {
    return receive(terminal, buffer, command, length, false);
}

CORVO_ENTRY Envia_Resposta(int32_t terminal, int32_t response) {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    corvo::link::Client* c = b.usable();
    if (c == nullptr) return kFailed;
    const bool ok = c->respond(static_cast<uint32_t>(terminal), static_cast<uint8_t>(response));
    b.usable();
    return ok ? kSent : kFailed;
}

CORVO_ENTRY FinalizaCom() {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    b.client.reset();
    b.socket.close();
    return 1;
}

// Present for hosts that look for them; the SDK does not call them.
CORVO_ENTRY Conectado() {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    return b.usable() != nullptr ? 1 : 0;
}
CORVO_ENTRY Envia(int32_t /*unused*/) { return 0; }
CORVO_ENTRY Recebe(int32_t /*unused*/) { return 0; }
CORVO_ENTRY Desconectar() { return FinalizaCom(); }
