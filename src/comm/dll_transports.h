// The two transports over back-end libraries: Corvo2K (serial and modem) and
// CorvoTCP. Each loads its library once, in its constructor, and releases it
// in its destructor without calling FinalizaCom.
#pragma once
#include <memory>
#include <vector>

#include "comm/transport.h"
#include "comm/transport_library.h"

namespace varanda {

class SerialDllTransport final : public Transport {
public:
    SerialDllTransport();
    int32_t Open(int32_t port, int32_t baud) override;
    int32_t OpenModem(int32_t port, int32_t baud) override;
    int32_t SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved,
                     uint16_t index) override;
    int32_t SendResponse(int32_t terminal, uint8_t response) override;
    int32_t ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                        int32_t reserved) override;
    void* ReceiveDataMagic(int32_t a, int32_t b, int32_t c, int32_t d) override;
    int32_t ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                               int32_t reserved) override;
    int32_t Close() override;
    int32_t SendModemString(const char* text) override;
    int32_t ReadModemByte() override;
    bool IsAvailable() const override { return library_.loaded(); }

private:
    TransportLibrary library_;
};

class TcpDllTransport final : public Transport {
public:
    TcpDllTransport();
    int32_t Open(int32_t port, int32_t baud) override;
    int32_t OpenModem(int32_t, int32_t) override { return -1; }
    int32_t SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved,
                     uint16_t index) override;
    int32_t SendResponse(int32_t terminal, uint8_t response) override;
    int32_t ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                        int32_t reserved) override;
    void* ReceiveDataMagic(int32_t a, int32_t b, int32_t c, int32_t d) override;
    int32_t ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                               int32_t reserved) override;
    int32_t Close() override;
    int32_t SendModemString(const char*) override { return -1; }
    int32_t ReadModemByte() override { return -1; }
    bool IsAvailable() const override { return library_.loaded(); }

private:
    TransportLibrary library_;
    std::vector<uint8_t> scratch_;  // what ReceiveDataMagic hands out
};

}  // namespace varanda
