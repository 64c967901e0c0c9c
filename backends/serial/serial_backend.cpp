// Corvo2K: the serial and modem back-end. Each call is one exchange of the
// reference link (docs/link-protocol.md) on a serial line; with a modem, the
// same line first carries the modem's AT commands and result codes.
//
// Results: InicializaCom and InicializaComModem 1 when the device opened, 0
// otherwise; Envia_Dados and Envia_Resposta 31 when accepted, 21 otherwise;
// Recebe_Dados and Recebe_Dados_E_Nao_Responde 40 when exactly `length`
// bytes were written to the buffer, 21 otherwise (nothing written);
// Modem_Str 0 when the text and a carriage return were written, 1 otherwise;
// Le_Modem the modem's next result code, -1 when none has arrived.
//
// The device of each port: serial_device.h. Time-out and retries:
// CORVO_LINK_TIMEOUT_MS and CORVO_LINK_RETRIES; each attempt also gets the
// time the frames take on the line at its rate.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>

#include "abi/backend_entries.h"
#include "link/client.h"
#include "modem_reply.h"
#include "serial_device.h"
#include "serial_stream.h"

// The entries exactly as the SDK calls them.
VARANDA_CORVO2K_ENTRIES(VARANDA_DECLARE_BACKEND_ENTRY)

namespace {

using corvo::link::Client;
using namespace varanda::abi::backend_result;
// One call of Le_Modem reads at most this many bytes looking for a code.
constexpr int kModemBytesPerRead = 256;

struct Backend {
    std::mutex lock;
    corvo::serial::SerialStream line;
    corvo::link::Sequencer sequencer{corvo::link::new_session_id()};
    corvo::link::Settings base;
    std::unique_ptr<Client> client;
    corvo::serial::ModemReplyDecoder modem;
    uint32_t last_terminal = 0;  // the terminal Envia_Resposta speaks about

    int32_t open(int32_t port, int32_t baud) {
        std::lock_guard<std::mutex> g(lock);
        client.reset();
        line.close();
        modem.clear();
        if (!line.open(corvo::serial::device_for_port(port), baud)) return 0;
        base = corvo::link::Settings::from_environment();
        client = std::make_unique<Client>(line, sequencer, base);
        return 1;
    }

    // The client for an exchange of about `bytes` bytes, or null. The
    // time-out per attempt grows by the time the bytes take at the line's rate.
    Client* usable(std::size_t bytes) {
        if (client && client->broken()) {
            client.reset();
            line.close();
        }
        if (!client) return nullptr;
        corvo::link::Settings s = base;
        const long long on_line = (static_cast<long long>(bytes) + 64) * 10 * 1000 / line.baud();
        s.timeout_ms = static_cast<int>(std::min<long long>(s.timeout_ms + on_line, 600000));
        client->set_settings(s);
        return client.get();
    }
};

// Closed (the device with it) when the library is unloaded.
Backend& backend() {
    static Backend b;
    return b;
}

int32_t receive(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, bool acknowledge) {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    if (length < 0 || command < 0 || command > 255 || (length > 0 && buffer == nullptr)) return kFailed;
    Client* c = b.usable(static_cast<std::size_t>(length));
    if (c == nullptr) return kFailed;
    b.last_terminal = static_cast<uint32_t>(terminal);
    const auto r = c->receive(static_cast<uint32_t>(terminal), static_cast<uint8_t>(command), buffer,
                              static_cast<uint32_t>(length), acknowledge);
    return r == Client::Outcome::Accepted ? kReceived : kFailed;
}

}  // namespace

VARANDA_BACKEND_ENTRY(int32_t) InicializaCom(int32_t port, int32_t baud) { return backend().open(port, baud); }

VARANDA_BACKEND_ENTRY(int32_t) InicializaComModem(int32_t port, int32_t baud) { return backend().open(port, baud); }

VARANDA_BACKEND_ENTRY(int32_t) Envia_Dados(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                 int32_t /*reserved*/) {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    if (length < 0 || command < 0 || command > 255 || (length > 0 && data == nullptr)) return kFailed;
    Client* c = b.usable(static_cast<std::size_t>(length));
    if (c == nullptr) return kFailed;
    b.last_terminal = static_cast<uint32_t>(terminal);
    const auto r = c->send(static_cast<uint32_t>(terminal), static_cast<uint8_t>(command), data,
                           static_cast<uint32_t>(length));
    return r == Client::Outcome::Accepted ? kSent : kFailed;
}

VARANDA_BACKEND_ENTRY(int32_t) Envia_Resposta(int32_t response) {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    Client* c = b.usable(1);
    if (c == nullptr) return kFailed;
    return c->respond(b.last_terminal, static_cast<uint8_t>(response)) ? kSent : kFailed;
}

VARANDA_BACKEND_ENTRY(int32_t) Recebe_Dados(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                  int32_t /*reserved*/) {
    return receive(terminal, buffer, command, length, true);
}

VARANDA_BACKEND_ENTRY(int32_t) Recebe_Dados_E_Nao_Responde(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                                 int32_t /*reserved*/) {
    return receive(terminal, buffer, command, length, false);
}

// Not used by the SDK: nothing to hand over.
VARANDA_BACKEND_ENTRY(void*) Recebe_Dados_Magic(int32_t, int32_t, int32_t, int32_t) { return nullptr; }

VARANDA_BACKEND_ENTRY(int32_t) FinalizaCom() {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    b.client.reset();
    b.line.close();
    b.modem.clear();
    return 1;
}

VARANDA_BACKEND_ENTRY(int32_t) Modem_Str(const char* text) {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    if (text == nullptr || !b.line.is_open()) return 1;
    // An answer to an earlier text that nobody read is no answer to this one.
    b.line.discard_input();
    b.modem.clear();
    const std::size_t n = std::strlen(text);
    if (!b.line.write(reinterpret_cast<const uint8_t*>(text), n)) return 1;
    const uint8_t cr = '\r';
    return b.line.write(&cr, 1) ? 0 : 1;
}

VARANDA_BACKEND_ENTRY(int32_t) Le_Modem() {
    Backend& b = backend();
    std::lock_guard<std::mutex> g(b.lock);
    if (!b.line.is_open()) return -1;
    for (int i = 0; i < kModemBytesPerRead; ++i) {
        uint8_t byte = 0;
        // One byte at a time, so that what follows a code stays on the line.
        if (b.line.read(&byte, 1, 0) != 1) return -1;
        const int code = b.modem.feed(byte);
        if (code >= 0) return code;
    }
    return -1;
}
