#include "comm/dll_transports.h"

#include "comm/backend_abi.h"

namespace varanda {

namespace {
#if defined(_WIN32)
constexpr const char* kSerialFile = "Corvo2K.dll";
constexpr const char* kTcpFile = "CorvoTCP.dll";
#else
constexpr const char* kSerialFile = "libCorvo2K.so";
constexpr const char* kTcpFile = "libCorvoTCP.so";
#endif

// Entry points in the order the library table keeps them.
enum Serial { S_Init, S_InitModem, S_Send, S_Response, S_Receive, S_Magic, S_ReceiveNoReply, S_Close, S_ModemStr, S_LeModem };
enum Tcp { T_Init, T_Send, T_Response, T_Receive, T_ReceiveNoReply, T_Close, T_Connected, T_RawSend, T_RawReceive, T_Disconnect };

const std::array<const char*, 10> kSerialEntries{
    "InicializaCom",    "InicializaComModem", "Envia_Dados", "Envia_Resposta", "Recebe_Dados",
    "Recebe_Dados_Magic", "Recebe_Dados_E_Nao_Responde", "FinalizaCom", "Modem_Str", "Le_Modem"};
const std::array<const char*, 10> kTcpEntries{
    "InicializaCom", "Envia_Dados", "Envia_Resposta", "Recebe_Dados", "Recebe_Dados_E_Nao_Responde",
    "FinalizaCom",   "Conectado",   "Envia",          "Recebe",       "Desconectar"};
}  // namespace

using namespace backend;

SerialDllTransport::SerialDllTransport() : library_(kSerialFile, kSerialEntries) {}

int32_t SerialDllTransport::Open(int32_t port, int32_t baud) {
    return library_.entry<InicializaComFn>(S_Init)(port, baud);
}
int32_t SerialDllTransport::OpenModem(int32_t port, int32_t baud) {
    return library_.entry<InicializaComModemFn>(S_InitModem)(port, baud);
}
// The serial library has no block index.
int32_t SerialDllTransport::SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                     int32_t reserved, uint16_t) {
    return library_.entry<EnviaDadosFn>(S_Send)(terminal, data, command, length, reserved);
}
// The serial library's response goes to whichever terminal spoke last.
int32_t SerialDllTransport::SendResponse(int32_t, uint8_t response) {
    return library_.entry<EnviaRespostaSerialFn>(S_Response)(response);
}
int32_t SerialDllTransport::ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                        int32_t reserved) {
    return library_.entry<RecebeDadosFn>(S_Receive)(terminal, buffer, command, length, reserved);
}
void* SerialDllTransport::ReceiveDataMagic(int32_t a, int32_t b, int32_t c, int32_t d) {
    return library_.entry<RecebeDadosMagicFn>(S_Magic)(a, b, c, d);
}
int32_t SerialDllTransport::ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                               int32_t reserved) {
    return library_.entry<RecebeDadosFn>(S_ReceiveNoReply)(terminal, buffer, command, length, reserved);
}
int32_t SerialDllTransport::Close() { return library_.entry<FinalizaComFn>(S_Close)(); }
int32_t SerialDllTransport::SendModemString(const char* text) {
    return library_.entry<ModemStrFn>(S_ModemStr)(text);
}
int32_t SerialDllTransport::ReadModemByte() { return library_.entry<LeModemFn>(S_LeModem)(); }

TcpDllTransport::TcpDllTransport() : library_(kTcpFile, kTcpEntries) {}

int32_t TcpDllTransport::Open(int32_t port, int32_t baud) {
    return library_.entry<InicializaComFn>(T_Init)(port, baud);
}
// The TCP library takes the same five arguments; the block index is not passed.
int32_t TcpDllTransport::SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                  int32_t reserved, uint16_t) {
    return library_.entry<EnviaDadosFn>(T_Send)(terminal, data, command, length, reserved);
}
int32_t TcpDllTransport::SendResponse(int32_t terminal, uint8_t response) {
    return library_.entry<EnviaRespostaTcpFn>(T_Response)(terminal, response);
}
int32_t TcpDllTransport::ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                     int32_t reserved) {
    return library_.entry<RecebeDadosFn>(T_Receive)(terminal, buffer, command, length, reserved);
}
// No such entry in the TCP library: a zero-filled scratch area of c bytes,
// owned by the transport and replaced by the next call.
void* TcpDllTransport::ReceiveDataMagic(int32_t, int32_t, int32_t c, int32_t) {
    scratch_.assign(c > 0 ? static_cast<size_t>(c) : 0u, 0);
    return scratch_.data();
}
int32_t TcpDllTransport::ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                            int32_t reserved) {
    return library_.entry<RecebeDadosFn>(T_ReceiveNoReply)(terminal, buffer, command, length, reserved);
}
int32_t TcpDllTransport::Close() { return library_.entry<FinalizaComFn>(T_Close)(); }

}  // namespace varanda
