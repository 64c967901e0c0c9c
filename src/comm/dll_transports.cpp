#include "comm/dll_transports.h"

#include <type_traits>

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

namespace corvo2k = abi::corvo2k;
namespace corvotcp = abi::corvotcp;
// The entries both libraries have are called through Corvo2K's types.
static_assert(std::is_same_v<corvo2k::InicializaCom, corvotcp::InicializaCom> &&
              std::is_same_v<corvo2k::Envia_Dados, corvotcp::Envia_Dados> &&
              std::is_same_v<corvo2k::Recebe_Dados, corvotcp::Recebe_Dados> &&
              std::is_same_v<corvo2k::Recebe_Dados_E_Nao_Responde, corvotcp::Recebe_Dados_E_Nao_Responde> &&
              std::is_same_v<corvo2k::FinalizaCom, corvotcp::FinalizaCom>);

const BackendLayout kSerialLayout{.file = kSerialFile, .names = corvo2k::kEntryNames,
                                  .open = corvo2k::at::InicializaCom, .send = corvo2k::at::Envia_Dados,
                                  .receive = corvo2k::at::Recebe_Dados,
                                  .receive_no_reply = corvo2k::at::Recebe_Dados_E_Nao_Responde,
                                  .close = corvo2k::at::FinalizaCom, .modem = true,
                                  .open_modem = corvo2k::at::InicializaComModem,
                                  .modem_string = corvo2k::at::Modem_Str, .modem_byte = corvo2k::at::Le_Modem};
// CorvoTCP has no modem.
const BackendLayout kTcpLayout{.file = kTcpFile, .names = corvotcp::kEntryNames,
                               .open = corvotcp::at::InicializaCom, .send = corvotcp::at::Envia_Dados,
                               .receive = corvotcp::at::Recebe_Dados,
                               .receive_no_reply = corvotcp::at::Recebe_Dados_E_Nao_Responde,
                               .close = corvotcp::at::FinalizaCom, .modem = false,
                               .open_modem = 0, .modem_string = 0, .modem_byte = 0};

// The back-ends' result values, translated where they are called.
TransportResult sent(int32_t r) { return done_if(r == abi::backend_result::kSent); }
TransportResult received(int32_t r) { return done_if(r == abi::backend_result::kReceived); }
}  // namespace

// The loaded entry of type corvo2k::`name` at the layout's place `place`.
#define VARANDA_ENTRY(name, place) library_.entry<corvo2k::name>(layout_.place)

SerialDllTransport::SerialDllTransport() : DllTransport(kSerialLayout) {}
TcpDllTransport::TcpDllTransport() : DllTransport(kTcpLayout) {}

TransportResult DllTransport::Open(int32_t port, int32_t baud) {
    return done_if(VARANDA_ENTRY(InicializaCom, open)(port, baud) != 0);
}
TransportResult DllTransport::OpenModem(int32_t port, int32_t baud) {
    if (!layout_.modem) return TransportResult::Failed;
    return done_if(VARANDA_ENTRY(InicializaComModem, open_modem)(port, baud) != 0);
}
// The libraries take five arguments; the block index is not passed.
TransportResult DllTransport::SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                       int32_t reserved, uint16_t) {
    return sent(VARANDA_ENTRY(Envia_Dados, send)(terminal, data, command, length, reserved));
}
TransportResult DllTransport::ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                          int32_t reserved) {
    return received(VARANDA_ENTRY(Recebe_Dados, receive)(terminal, buffer, command, length, reserved));
}
TransportResult DllTransport::ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                                 int32_t reserved) {
    return received(
        VARANDA_ENTRY(Recebe_Dados_E_Nao_Responde, receive_no_reply)(terminal, buffer, command, length, reserved));
}
void DllTransport::Close() { VARANDA_ENTRY(FinalizaCom, close)(); }
TransportResult DllTransport::SendModemString(const char* text) {
    if (!layout_.modem) return TransportResult::Failed;
    return done_if(VARANDA_ENTRY(Modem_Str, modem_string)(text) == 0);
}
int32_t DllTransport::ReadModemByte() {
    if (!layout_.modem) return kNoModemByte;
    return VARANDA_ENTRY(Le_Modem, modem_byte)();
}

#undef VARANDA_ENTRY

}  // namespace varanda
