// A fake Corvo2K / CorvoTCP back end: records each call and answers from the
// script. Build flags choose the library: FAKE_TCP for CorvoTCP, otherwise
// Corvo2K; FAKE_NO_LE_MODEM leaves out Le_Modem.
//
// Recorded ints, by entry:
//   InicializaCom / InicializaComModem: port, baud
//   Envia_Dados: terminal, command, length, reserved (payload in data)
//   Envia_Resposta: response (serial) or terminal, response (TCP)
//   Recebe_Dados / Recebe_Dados_E_Nao_Responde: terminal, command, length, reserved
//   Recebe_Dados_Magic: a, b, c, d
//   Modem_Str: (the text in data)
#include <cstring>

#include "abi/backend_entries.h"
#include "fake_state.h"

// The entries exactly as the SDK calls them.
#if defined(FAKE_TCP)
VARANDA_CORVOTCP_ENTRIES(VARANDA_DECLARE_BACKEND_ENTRY)
#else
VARANDA_CORVO2K_ENTRIES(VARANDA_DECLARE_BACKEND_ENTRY)
#endif

#define ENTRY VARANDA_BACKEND_ENTRY(int32_t)
using namespace varanda::abi::backend_result;

namespace {
// Answers a receive from the queue: the queued bytes (up to `length`) and
// the queued result; 21 and nothing written when no answer is queued.
int32_t answer(uint8_t* buffer, int32_t length) {
    fake::Answer a;
    if (!fake::next_answer(a)) return kFailed;
    const size_t n = std::min(a.bytes.size(), static_cast<size_t>(length > 0 ? length : 0));
    if (buffer != nullptr && n > 0) std::memcpy(buffer, a.bytes.data(), n);
    return a.result;
}
}  // namespace

ENTRY InicializaCom(int32_t port, int32_t baud) {
    fake::record("InicializaCom", {port, baud});
    return fake::result_for("InicializaCom", 1);
}

ENTRY Envia_Dados(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved) {
    fake::record("Envia_Dados", {terminal, command, length, reserved}, data, length);
    return fake::result_for("Envia_Dados", kSent);
}

ENTRY Recebe_Dados(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t reserved) {
    fake::record("Recebe_Dados", {terminal, command, length, reserved});
    return answer(buffer, length);
}

ENTRY Recebe_Dados_E_Nao_Responde(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                  int32_t reserved) {
    fake::record("Recebe_Dados_E_Nao_Responde", {terminal, command, length, reserved});
    return answer(buffer, length);
}

ENTRY FinalizaCom() {
    fake::record("FinalizaCom", {});
    return fake::result_for("FinalizaCom", 1);
}

#if defined(FAKE_TCP)

ENTRY Envia_Resposta(int32_t terminal, int32_t response) {
    fake::record("Envia_Resposta", {terminal, response});
    return fake::result_for("Envia_Resposta", kSent);
}
ENTRY Conectado() { return 1; }
ENTRY Envia(int32_t) { return 0; }
ENTRY Recebe(int32_t) { return 0; }
ENTRY Desconectar() { return 0; }

#else

ENTRY InicializaComModem(int32_t port, int32_t baud) {
    fake::record("InicializaComModem", {port, baud});
    return fake::result_for("InicializaComModem", 1);
}

ENTRY Envia_Resposta(int32_t response) {
    fake::record("Envia_Resposta", {response});
    return fake::result_for("Envia_Resposta", kSent);
}

VARANDA_BACKEND_ENTRY(void*) Recebe_Dados_Magic(int32_t a, int32_t b, int32_t c, int32_t d) {
    fake::record("Recebe_Dados_Magic", {a, b, c, d});
    return nullptr;
}

ENTRY Modem_Str(const char* text) {
    fake::record("Modem_Str", {}, reinterpret_cast<const uint8_t*>(text),
                 text != nullptr ? static_cast<int32_t>(std::strlen(text)) : 0);
    return fake::result_for("Modem_Str", 0);
}

#if !defined(FAKE_NO_LE_MODEM)
ENTRY Le_Modem() {
    fake::record("Le_Modem", {});
    return fake::result_for("Le_Modem", -1);
}
#endif

#endif
