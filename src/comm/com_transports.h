// The two transports over COM components (TCP and serial). Each creates its
// component once, in its constructor; a component that cannot be created
// leaves the transport unavailable for its whole life.
#pragma once
#include <vector>

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
    int32_t OpenModem(int32_t, int32_t) override { return -1; }
    void* ReceiveDataMagic(int32_t a, int32_t b, int32_t c, int32_t d) override;
    int32_t SendModemString(const char*) override { return -1; }
    int32_t ReadModemByte() override { return -1; }
    bool IsAvailable() const override { return itf_ != nullptr; }

protected:
    ComTransportBase(const platform::com::Guid& clsid, const platform::com::Guid& iid, const char* posix_library);
    void release_interface() noexcept;

    // Sends `length` bytes of `data` as a byte array through `call`;
    // 31 when the component answers true, 21 otherwise or on any error.
    template <class Call>
    int32_t send_array(const uint8_t* data, int32_t length, Call&& call);
    // Receives through `call` into a `length`-element array and copies exactly
    // `length` bytes into `buffer`; `after` runs on success before 40 is
    // returned. 21 on a false answer, an error, or a shorter array.
    template <class Call, class After>
    int32_t receive_array(uint8_t* buffer, int32_t length, Call&& call, After&& after);

    void* itf_ = nullptr;
    std::vector<uint8_t> scratch_;
};

class TcpComTransport final : public ComTransportBase {
public:
    TcpComTransport();
    ~TcpComTransport() override;
    int32_t Open(int32_t port, int32_t baud) override;
    int32_t SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved,
                     uint16_t index) override;
    int32_t SendResponse(int32_t terminal, uint8_t response) override;
    int32_t ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                        int32_t reserved) override;
    int32_t ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                               int32_t reserved) override;
    int32_t Close() override;

private:
    const abi::TcpComVtbl* v() const { return *static_cast<const abi::TcpComVtbl* const*>(itf_); }
};

class SerialComTransport final : public ComTransportBase {
public:
    SerialComTransport();
    ~SerialComTransport() override;
    int32_t Open(int32_t port, int32_t baud) override;
    int32_t SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved,
                     uint16_t index) override;
    int32_t SendResponse(int32_t terminal, uint8_t response) override;
    int32_t ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                        int32_t reserved) override;
    int32_t ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                               int32_t reserved) override;
    int32_t Close() override;

private:
    const abi::SerialComVtbl* v() const { return *static_cast<const abi::SerialComVtbl* const*>(itf_); }
};

}  // namespace varanda
