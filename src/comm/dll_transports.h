// The two transports over back-end libraries: Corvo2K (serial and modem) and
// CorvoTCP. Each loads its library once, in its constructor, and releases it
// in its destructor without calling FinalizaCom.
#pragma once

#include "comm/transport.h"
#include "comm/transport_library.h"

namespace varanda {

class SerialDllTransport final : public Transport {
public:
    SerialDllTransport();
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

private:
    TransportLibrary library_;
};

class TcpDllTransport final : public Transport {
public:
    TcpDllTransport();
    TransportResult Open(int32_t port, int32_t baud) override;
    TransportResult OpenModem(int32_t, int32_t) override { return TransportResult::Failed; }
    TransportResult SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved,
                     uint16_t index) override;
    TransportResult ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                        int32_t reserved) override;
    TransportResult ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                               int32_t reserved) override;
    void Close() override;
    TransportResult SendModemString(const char*) override { return TransportResult::Failed; }
    int32_t ReadModemByte() override { return kNoModemByte; }
    bool IsAvailable() const override { return library_.loaded(); }

private:
    TransportLibrary library_;
};

}  // namespace varanda
