#include "comm/dll_transports.h"

#include "abi/backend_entries.h"

namespace varanda {

namespace {
#if defined(_WIN32)
constexpr const char* kSerialFile = "Corvo2K.dll";
constexpr const char* kTcpFile = "CorvoTCP.dll";
#else
constexpr const char* kSerialFile = "libCorvo2K.so";
constexpr const char* kTcpFile = "libCorvoTCP.so";
#endif

// The back-ends' result values, translated where they are called.
TransportResult sent(int32_t r) { return done_if(r == abi::backend_result::kSent); }
TransportResult received(int32_t r) { return done_if(r == abi::backend_result::kReceived); }
}  // namespace

namespace corvo2k = abi::corvo2k;
namespace corvotcp = abi::corvotcp;
// The loaded entry `name` of back-end `lib`, with its type.
#define VARANDA_ENTRY(lib, name) library_.entry<lib::name>(lib::at::name)

SerialDllTransport::SerialDllTransport() : library_(kSerialFile, corvo2k::kEntryNames) {}

TransportResult SerialDllTransport::Open(int32_t port, int32_t baud) {
    return done_if(VARANDA_ENTRY(corvo2k, InicializaCom)(port, baud) != 0);
}
TransportResult SerialDllTransport::OpenModem(int32_t port, int32_t baud) {
    return done_if(VARANDA_ENTRY(corvo2k, InicializaComModem)(port, baud) != 0);
}
// The serial library has no block index.
TransportResult SerialDllTransport::SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                     int32_t reserved, uint16_t) {
    return sent(VARANDA_ENTRY(corvo2k, Envia_Dados)(terminal, data, command, length, reserved));
}
TransportResult SerialDllTransport::ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                        int32_t reserved) {
    return received(VARANDA_ENTRY(corvo2k, Recebe_Dados)(terminal, buffer, command, length, reserved));
}
TransportResult SerialDllTransport::ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                               int32_t reserved) {
    return received(VARANDA_ENTRY(corvo2k, Recebe_Dados_E_Nao_Responde)(terminal, buffer, command, length, reserved));
}
void SerialDllTransport::Close() { VARANDA_ENTRY(corvo2k, FinalizaCom)(); }
TransportResult SerialDllTransport::SendModemString(const char* text) {
    return done_if(VARANDA_ENTRY(corvo2k, Modem_Str)(text) == 0);
}
int32_t SerialDllTransport::ReadModemByte() { return VARANDA_ENTRY(corvo2k, Le_Modem)(); }

TcpDllTransport::TcpDllTransport() : library_(kTcpFile, corvotcp::kEntryNames) {}

TransportResult TcpDllTransport::Open(int32_t port, int32_t baud) {
    return done_if(VARANDA_ENTRY(corvotcp, InicializaCom)(port, baud) != 0);
}
// The TCP library takes the same five arguments; the block index is not passed.
TransportResult TcpDllTransport::SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                  int32_t reserved, uint16_t) {
    return sent(VARANDA_ENTRY(corvotcp, Envia_Dados)(terminal, data, command, length, reserved));
}
TransportResult TcpDllTransport::ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                     int32_t reserved) {
    return received(VARANDA_ENTRY(corvotcp, Recebe_Dados)(terminal, buffer, command, length, reserved));
}
TransportResult TcpDllTransport::ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                            int32_t reserved) {
    return received(VARANDA_ENTRY(corvotcp, Recebe_Dados_E_Nao_Responde)(terminal, buffer, command, length, reserved));
}
void TcpDllTransport::Close() { VARANDA_ENTRY(corvotcp, FinalizaCom)(); }

#undef VARANDA_ENTRY

}  // namespace varanda
