// The two transports over back-end libraries: Corvo2K (serial and modem) and
// CorvoTCP. Each loads its library once, in its constructor, and releases it
// in its destructor without calling FinalizaCom. Both call their library the
// same way; what differs is written in a table (where each entry stands in
// the library's entry list, and whether it has the modem entries).
#pragma once
#include <array>
#include <cstddef>

#include "comm/transport.h"
#include "comm/transport_library.h"

namespace varanda {

struct BackendLayout {
    const char* file;
    const std::array<const char*, TransportLibrary::kEntries>& names;
    std::size_t open, send, receive, receive_no_reply, close;
    bool modem;  // the three entries below exist
    std::size_t open_modem, modem_string, modem_byte;
};

class DllTransport : public Transport {
public:
    TransportResult Open(int32_t port, int32_t baud) override;
    TransportResult OpenModem(int32_t port, int32_t baud) override;
    TransportResult SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved,
                             uint16_t index) override;
    TransportResult ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                int32_t reserved) override;
    TransportResult ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                       int32_t reserved) override;
    void Close() override;
    TransportResult SendModemString(const char* text) override;
    int32_t ReadModemByte() override;
    bool IsAvailable() const override { return library_.loaded(); }

protected:
    explicit DllTransport(const BackendLayout& layout) : layout_(layout), library_(layout.file, layout.names) {}

private:
    const BackendLayout& layout_;
    TransportLibrary library_;
};

class SerialDllTransport final : public DllTransport {
public:
    SerialDllTransport();
};

class TcpDllTransport final : public DllTransport {
public:
    TcpDllTransport();
};

}  // namespace varanda
