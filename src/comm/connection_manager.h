// The one place that talks to a transport: the connection type, the open
// port, and every exchange with a terminal, each reduced to a ReturnCode.
//
// Called under the process lock. An exchange with a terminal takes the bytes
// it sends (and a copy of the buffer it fills) under that lock, waits for
// the terminal's turn (comm/terminal_turns.h) and for the answer without it,
// and hands the answer over under it again: threads that work with
// different terminals exchange at the same time, and the facade's state is
// never read or written without the lock. A transport replaced meanwhile
// lives until the last exchange on it has ended.
#pragma once
#include <cstdint>
#include <memory>

#include "core/return_code.h"
#include "comm/transport.h"

namespace varanda {

// The connection types DefinirTipoConexao chooses between.
namespace connection_type {
inline constexpr uint32_t kSerial = 0;       // Corvo2K
inline constexpr uint32_t kTcpLibrary = 1;   // CorvoTCP
inline constexpr uint32_t kTcpCom = 2;       // the TCP COM component, the type before any is chosen
inline constexpr uint32_t kModem = 3;        // Corvo2K over a modem
inline constexpr uint32_t kSerialCom = 4;    // the serial COM component
}  // namespace connection_type

class ConnectionManager {
public:
    ConnectionManager() = default;
    ~ConnectionManager();
    ConnectionManager(const ConnectionManager&) = delete;
    ConnectionManager& operator=(const ConnectionManager&) = delete;

    // 0 for the types above; 9 for any other (a TCP COM transport is installed
    // and the stored type is kept); 8 when creating the transport threw.
    ReturnCode SetConnectionType(uint32_t type);
    uint32_t GetConnectionType() const { return type_; }
    void EnsureTransport();

    ReturnCode OpenPort(int32_t port);       // 9600 baud
    ReturnCode OpenModemPort(int32_t port);  // 2400 baud, kModem only
    void ClosePort();
    void PumpMessages();

    ReturnCode SendCommand(int32_t terminal, const uint8_t* data, int32_t command, int32_t length);
    ReturnCode SendIndexedCommand(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                  uint16_t index);
    ReturnCode ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length);
    ReturnCode ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length);
    ReturnCode SendModemString(const char* text);
    int32_t ReadModemByte();  // the byte, or -1

private:
    // The common checks of every exchange: transport, availability, and (for
    // modem operations) kModem, then the open port. kOk when all pass.
    ReturnCode check(bool modem);
    void destroy_transport() noexcept;
    // Runs `call` on the transport for `terminal`, in the terminal's turn and
    // without the process lock.
    template <class Call>
    TransportResult exchange(int32_t terminal, Call&& call);

    std::shared_ptr<Transport> transport_;
    uint32_t type_ = connection_type::kTcpCom;
    bool open_ = false;
    ReturnCode unavailable_ = rc::kTcpComMissing;
};

}  // namespace varanda
