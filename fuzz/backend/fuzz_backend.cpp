// A TCP back-end with the ten entry points of the real one, whose answers
// come from the fuzzer: every receive takes a result byte and then the
// answer's bytes from the input, every send a result byte. FuzzBackend_Feed
// hands it the input.
#include <cstddef>
#include <cstdint>
#include <cstring>

#define ENTRY extern "C" __attribute__((visibility("default"))) int32_t

namespace {
const uint8_t* g_data = nullptr;
size_t g_size = 0;

uint8_t take() {
    if (g_size == 0) return 0xFF;
    --g_size;
    return *g_data++;
}

int32_t receive(uint8_t* buffer, int32_t length) {
    const uint8_t r = take();
    if (r >= 0xF0) return 21;  // no answer
    if (r >= 0xE8) return 0;   // a failure code of its own
    for (int32_t i = 0; i < length; ++i) buffer[i] = take() ^ 0xFF;  // 0 once the input ends
    return 40;
}
}  // namespace

extern "C" __attribute__((visibility("default"))) void FuzzBackend_Feed(const uint8_t* data, size_t size) {
    g_data = data;
    g_size = size;
}

ENTRY InicializaCom(int32_t, int32_t) { return 1; }
ENTRY Envia_Dados(int32_t, const uint8_t* data, int32_t, int32_t length, int32_t) {
    volatile uint8_t sink = 0;
    for (int32_t i = 0; i < length; ++i) sink = sink ^ data[i];  // the SDK's buffer must hold `length`
    return take() >= 0xF0 ? 0 : 31;
}
ENTRY Envia_Resposta(int32_t, int32_t) { return 31; }
ENTRY Recebe_Dados(int32_t, uint8_t* buffer, int32_t, int32_t length, int32_t) { return receive(buffer, length); }
ENTRY Recebe_Dados_E_Nao_Responde(int32_t, uint8_t* buffer, int32_t, int32_t length, int32_t) {
    return receive(buffer, length);
}
ENTRY FinalizaCom() { return 1; }
ENTRY Conectado() { return 1; }
ENTRY Envia(int32_t) { return 0; }
ENTRY Recebe(int32_t) { return 0; }
ENTRY Desconectar() { return 0; }
