#include "comm/com_transports.h"

#include <cstring>

#include "wire/exchange_bytes.h"

namespace varanda {

namespace com = platform::com;
constexpr TransportResult kFailed = TransportResult::Failed;
constexpr TransportResult kDone = TransportResult::Done;

namespace {
void check(com::HResult hr) {
    if (com::failed(hr)) throw ComError{hr};
}

// Destroys the array it holds, whichever array the component left there.
struct ArrayHolder {
    com::SafeArray* array = nullptr;
    ~ArrayHolder() { com::destroy_array(array); }
};
}  // namespace

ComTransportBase::ComTransportBase(const com::Guid& clsid, const com::Guid& iid, const char* posix_library) {
    try {
        itf_ = com::create_instance(clsid, iid, posix_library);
    } catch (...) {
        itf_ = nullptr;
    }
}

void ComTransportBase::release_interface() noexcept {
    try {
        com::release(itf_);
    } catch (...) {
    }
    itf_ = nullptr;
}

template <class Call>
TransportResult ComTransportBase::send_array(const uint8_t* data, int32_t length, Call&& call) {
    if (length < 0 || (length > 0 && data == nullptr)) return kFailed;
    ArrayHolder holder;
    holder.array = com::create_byte_vector(static_cast<uint32_t>(length));
    if (holder.array == nullptr) return kFailed;
    try {
        uint8_t* bytes = nullptr;
        uint32_t count = 0;
        if (!com::access_bytes(holder.array, &bytes, &count)) return kFailed;
        if (length > 0) std::memcpy(bytes, data, static_cast<size_t>(length));
        com::unaccess_bytes(holder.array);
        com::VariantBool ok = com::kFalse;
        check(call(&holder.array, &ok));
        return done_if(ok == com::kTrue);
    } catch (...) {
        return kFailed;
    }
}

template <class Call, class After>
TransportResult ComTransportBase::receive_array(uint8_t* buffer, int32_t length, Call&& call, After&& after) {
    if (length < 0 || (length > 0 && buffer == nullptr)) return kFailed;
    ArrayHolder holder;
    holder.array = com::create_byte_vector(static_cast<uint32_t>(length));
    if (holder.array == nullptr) return kFailed;
    try {
        com::VariantBool ok = com::kFalse;
        check(call(&holder.array, &ok));
        if (ok != com::kTrue) return kFailed;
        uint8_t* bytes = nullptr;
        uint32_t count = 0;
        if (!com::access_bytes(holder.array, &bytes, &count)) return kFailed;
        // A component that hands back fewer bytes than asked for has not
        // answered: never read past its array.
        const bool complete = count >= static_cast<uint32_t>(length);
        if (complete && length > 0) std::memcpy(buffer, bytes, static_cast<size_t>(length));
        com::unaccess_bytes(holder.array);
        if (!complete) return kFailed;
        after();
        return kDone;
    } catch (...) {
        return kFailed;
    }
}

// --- TCP component -------------------------------------------------------

TcpComTransport::TcpComTransport()
    : ComTransportBase(abi::kTcpClsid, abi::kTcpIid, abi::kTcpPosixLibrary) {}

TcpComTransport::~TcpComTransport() {
    if (itf_ != nullptr) {
        try {
            com::VariantBool ok = com::kFalse;
            v()->Close(itf_, &ok);
        } catch (...) {
        }
    }
    release_interface();
}

TransportResult TcpComTransport::Open(int32_t port, int32_t) {
    com::VariantBool ok = com::kFalse;
    check(v()->Open(itf_, port, &ok));
    return done_if(ok == com::kTrue);
}

// The TCP component answers pings by itself: the ping command is not sent.
TransportResult TcpComTransport::SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t,
                                  uint16_t index) {
    if (command == wire::kPingCommand) return kDone;
    return send_array(data, length, [&](com::SafeArray** a, com::VariantBool* ok) {
        return v()->Send(itf_, terminal, static_cast<uint8_t>(command), a, static_cast<uint8_t>(index), ok);
    });
}

TransportResult TcpComTransport::ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t) {
    return receive_array(
        buffer, length,
        [&](com::SafeArray** a, com::VariantBool* ok) {
            return v()->Receive(itf_, terminal, static_cast<uint8_t>(command), a, length, ok);
        },
        [] {});
}

// The TCP component acknowledges a no-reply receive with the acknowledgement byte; the
// answer to that acknowledgement is not examined.
TransportResult TcpComTransport::ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                            int32_t) {
    return receive_array(
        buffer, length,
        [&](com::SafeArray** a, com::VariantBool* ok) {
            return v()->ReceiveNoReply(itf_, terminal, static_cast<uint8_t>(command), a, length, ok);
        },
        [&] {
            com::VariantBool ok = com::kFalse;
            check(v()->SendResponse(itf_, terminal, wire::kAcknowledgeByte, &ok));
        });
}

void TcpComTransport::Close() {
    com::VariantBool ok = com::kFalse;
    check(v()->Close(itf_, &ok));
}

// --- Serial component ----------------------------------------------------

SerialComTransport::SerialComTransport()
    : ComTransportBase(abi::kSerialClsid, abi::kSerialIid, abi::kSerialPosixLibrary) {}

SerialComTransport::~SerialComTransport() {
    if (itf_ != nullptr) {
        try {
            v()->Close(itf_);
        } catch (...) {
        }
    }
    release_interface();
}

TransportResult SerialComTransport::Open(int32_t port, int32_t) {
    com::VariantBool ok = com::kFalse;
    check(v()->Open(itf_, static_cast<int16_t>(port & 0xFFFF), &ok));
    return done_if(ok == com::kTrue);
}

TransportResult SerialComTransport::SendData(int32_t, const uint8_t* data, int32_t command, int32_t length, int32_t,
                                     uint16_t) {
    return send_array(data, length, [&](com::SafeArray** a, com::VariantBool* ok) {
        return v()->Send(itf_, command, a, ok);
    });
}

TransportResult SerialComTransport::ReceiveData(int32_t, uint8_t* buffer, int32_t command, int32_t length, int32_t) {
    return receive_array(
        buffer, length,
        [&](com::SafeArray** a, com::VariantBool* ok) { return v()->Receive(itf_, command, a, length, ok); },
        [] {});
}

TransportResult SerialComTransport::ReceiveDataNoReply(int32_t, uint8_t* buffer, int32_t command, int32_t length,
                                               int32_t) {
    return receive_array(
        buffer, length,
        [&](com::SafeArray** a, com::VariantBool* ok) { return v()->ReceiveNoReply(itf_, command, a, length, ok); },
        [] {});
}

void SerialComTransport::Close() { v()->Close(itf_); }

}  // namespace varanda
