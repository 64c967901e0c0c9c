// The two transports over COM components (TCP and serial). Each creates its
// component once, in its constructor; a component that cannot be created
// leaves the transport unavailable for its whole life.
#pragma once

#include "abi/com_interfaces.h"
#include "platform/com.h"
#include "comm/transport.h"

namespace varanda {

// A failing HRESULT from a component.
struct ComError {
    platform::com::HResult hr;
};

class ComTransportBase : public Transport {
public:
    TransportResult OpenModem(int32_t, int32_t) override { return TransportResult::Failed; }
    TransportResult SendModemString(const char*) override { return TransportResult::Failed; }
    int32_t ReadModemByte() override { return kNoModemByte; }
    bool IsAvailable() const override { return itf_ != nullptr; }

protected:
    ComTransportBase(const platform::com::Guid& clsid, const platform::com::Guid& iid, const char* posix_library);
    void release_interface() noexcept;

    // Sends `length` bytes of `data` as a byte array through `call`; Done
    // when the component answers true, Failed otherwise or on any error.
    template <class Call>
    TransportResult send_array(const uint8_t* data, int32_t length, Call&& call);
    // Receives through `call` into a `length`-element array and copies exactly
    // `length` bytes into `buffer`; `after` runs on success before Done is
    // returned. Failed on a false answer, an error, or a shorter array.
    template <class Call, class After>
    TransportResult receive_array(uint8_t* buffer, int32_t length, Call&& call, After&& after);

    void* itf_ = nullptr;
};

class TcpComTransport final : public ComTransportBase {
public:
    TcpComTransport();
    ~TcpComTransport() override;
    TransportResult Open(int32_t port, int32_t baud) override;
    TransportResult SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved,
                     uint16_t index) override;
    TransportResult ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                        int32_t reserved) override;
    TransportResult ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                               int32_t reserved) override;
    void Close() override;

private:
    const abi::TcpComVtbl* v() const { return *static_cast<const abi::TcpComVtbl* const*>(itf_); }
};

class SerialComTransport final : public ComTransportBase {
public:
    SerialComTransport();
    ~SerialComTransport() override;
    TransportResult Open(int32_t port, int32_t baud) override;
    TransportResult SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved,
                     uint16_t index) override;
    TransportResult ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                        int32_t reserved) override;
    TransportResult ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                               int32_t reserved) override;
    void Close() override;

private:
    const abi::SerialComVtbl* v() const { return *static_cast<const abi::SerialComVtbl* const*>(itf_); }
};

}  // namespace varanda
