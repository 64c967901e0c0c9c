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

// How one component is created and called: an adapter per call, so that
// the transport's logic is written once for both interfaces.
struct ComInterface {
    using HResult = platform::com::HResult;
    using Array = platform::com::SafeArray**;
    using Ok = platform::com::VariantBool*;

    const platform::com::Guid& clsid;
    const platform::com::Guid& iid;
    const char* posix_library;
    HResult (*open)(void* itf, int32_t port, Ok ok);
    HResult (*send)(void* itf, int32_t terminal, int32_t command, Array data, uint16_t index, Ok ok);
    HResult (*receive)(void* itf, int32_t terminal, int32_t command, Array data, int32_t length, Ok ok);
    HResult (*receive_no_reply)(void* itf, int32_t terminal, int32_t command, Array data, int32_t length, Ok ok);
    // Acknowledges what a no-reply receive took; null where the component needs nothing.
    HResult (*acknowledge)(void* itf, int32_t terminal);
    HResult (*close)(void* itf);
    bool answers_ping;  // the component answers pings by itself: the ping command is not sent
};

class ComTransport : public Transport {
public:
    ~ComTransport() override;
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
    bool IsAvailable() const override { return itf_ != nullptr; }

protected:
    explicit ComTransport(const ComInterface& calls);

private:
    // Receives through `call` into a `length`-element array and copies exactly
    // `length` bytes into `buffer`. Failed on a false answer, an error, or a
    // shorter array.
    template <class Call>
    TransportResult receive_array(uint8_t* buffer, int32_t length, Call&& call);

    const ComInterface& calls_;
    void* itf_ = nullptr;
};

class TcpComTransport final : public ComTransport {
public:
    TcpComTransport();
};

class SerialComTransport final : public ComTransport {
public:
    SerialComTransport();
};

}  // namespace varanda
