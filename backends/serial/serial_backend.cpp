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
#include <cstdint>
#include <cstring>

#include "backends/link_entries.h"
#include "modem_reply.h"
#include "serial_stream.h"

// The entries exactly as the SDK calls them.
VARANDA_CORVO2K_ENTRIES(VARANDA_DECLARE_BACKEND_ENTRY)

namespace {

using corvo::link::Stream;
using corvo::serial::SerialStream;
// One call of Le_Modem reads at most this many bytes looking for a code.
constexpr int kModemBytesPerRead = 256;

// Closed (the device with it) when the library is unloaded.
corvo::link::LinkSession& line() {
    static corvo::link::LinkSession s;
    return s;
}

// What the modem sent so far of its next result code; used under the line's lock.
corvo::serial::ModemReplyDecoder& modem() {
    static corvo::serial::ModemReplyDecoder d;
    return d;
}

int32_t open_line(int32_t port, int32_t baud) {
    const bool ok = corvo::serial::open_port(line(), port, baud);
    line().with_stream([](Stream*) { modem().clear(); });
    return ok ? 1 : 0;
}

int32_t write_modem(SerialStream& s, const char* text) {
    // An answer to an earlier text that nobody read is no answer to this one.
    s.discard_input();
    modem().clear();
    if (!s.write(reinterpret_cast<const uint8_t*>(text), std::strlen(text))) return 1;
    const uint8_t cr = '\r';
    return s.write(&cr, 1) ? 0 : 1;
}

int32_t read_modem(Stream& s) {
    for (int i = 0; i < kModemBytesPerRead; ++i) {
        uint8_t byte = 0;
        // One byte at a time, so that what follows a code stays on the line.
        if (s.read(&byte, 1, 0) != 1) return -1;
        const int code = modem().feed(byte);
        if (code >= 0) return code;
    }
    return -1;
}

}  // namespace

VARANDA_BACKEND_ENTRY(int32_t) InicializaCom(int32_t port, int32_t baud) { return open_line(port, baud); }

VARANDA_BACKEND_ENTRY(int32_t) InicializaComModem(int32_t port, int32_t baud) { return open_line(port, baud); }

VARANDA_BACKEND_ENTRY(int32_t) Envia_Dados(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                 int32_t /*reserved*/) {
    return corvo::backend::send(&line(), terminal, data, command, length);
}

VARANDA_BACKEND_ENTRY(int32_t) Envia_Resposta(int32_t response) {
    return corvo::backend::respond(&line(), std::nullopt, response);
}

VARANDA_BACKEND_ENTRY(int32_t) Recebe_Dados(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                  int32_t /*reserved*/) {
    return corvo::backend::receive(&line(), terminal, buffer, command, length, true);
}

VARANDA_BACKEND_ENTRY(int32_t) Recebe_Dados_E_Nao_Responde(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                                 int32_t /*reserved*/) {
    return corvo::backend::receive(&line(), terminal, buffer, command, length, false);
}

// Not used by the SDK: nothing to hand over.
VARANDA_BACKEND_ENTRY(void*) Recebe_Dados_Magic(int32_t, int32_t, int32_t, int32_t) { return nullptr; }

VARANDA_BACKEND_ENTRY(int32_t) FinalizaCom() {
    line().close();
    line().with_stream([](Stream*) { modem().clear(); });
    return 1;
}

// The line's stream is the SerialStream open_port made.
VARANDA_BACKEND_ENTRY(int32_t) Modem_Str(const char* text) {
    return line().with_stream([text](Stream* s) {
        return (text == nullptr || s == nullptr) ? 1 : write_modem(*static_cast<SerialStream*>(s), text);
    });
}

VARANDA_BACKEND_ENTRY(int32_t) Le_Modem() {
    return line().with_stream([](Stream* s) { return s == nullptr ? -1 : read_modem(*s); });
}
