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

ComTransport::ComTransport(const ComInterface& calls) : calls_(calls) {
    try {
        itf_ = com::create_instance(calls.clsid, calls.iid, calls.posix_library);
    } catch (...) {
        itf_ = nullptr;
    }
}

ComTransport::~ComTransport() {
    if (itf_ == nullptr) return;
    try {
        calls_.close(itf_);
    } catch (...) {
    }
    try {
        com::release(itf_);
    } catch (...) {
    }
}

TransportResult ComTransport::Open(int32_t port, int32_t) {
    com::VariantBool ok = com::kFalse;
    check(calls_.open(itf_, port, &ok));
    return done_if(ok == com::kTrue);
}

TransportResult ComTransport::SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t,
                                       uint16_t index) {
    if (calls_.answers_ping && command == wire::kPingCommand) return kDone;
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
        check(calls_.send(itf_, terminal, command, &holder.array, index, &ok));
        return done_if(ok == com::kTrue);
    } catch (...) {
        return kFailed;
    }
}

template <class Call>
TransportResult ComTransport::receive_array(uint8_t* buffer, int32_t length, Call&& call) {
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
        return done_if(complete);
    } catch (...) {
        return kFailed;
    }
}

TransportResult ComTransport::ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t) {
    return receive_array(buffer, length, [&](com::SafeArray** a, com::VariantBool* ok) {
        return calls_.receive(itf_, terminal, command, a, length, ok);
    });
}

TransportResult ComTransport::ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                                 int32_t) {
    const TransportResult r = receive_array(buffer, length, [&](com::SafeArray** a, com::VariantBool* ok) {
        return calls_.receive_no_reply(itf_, terminal, command, a, length, ok);
    });
    if (r != kDone || calls_.acknowledge == nullptr) return r;
    try {
        check(calls_.acknowledge(itf_, terminal));
    } catch (...) {
        return kFailed;
    }
    return kDone;
}

void ComTransport::Close() { check(calls_.close(itf_)); }

// --- TCP component: every call names the terminal -------------------------

namespace {
const abi::TcpComVtbl* tcp(void* itf) { return abi::vtable<abi::TcpComVtbl>(itf); }

const ComInterface kTcpInterface{
    .clsid = abi::kTcpClsid,
    .iid = abi::kTcpIid,
    .posix_library = abi::kTcpPosixLibrary,
    .open = [](void* itf, int32_t port, com::VariantBool* ok) { return tcp(itf)->Open(itf, port, ok); },
    .send = [](void* itf, int32_t terminal, int32_t command, com::SafeArray** data, uint16_t index,
               com::VariantBool* ok) {
        return tcp(itf)->Send(itf, terminal, static_cast<uint8_t>(command), data, static_cast<uint8_t>(index), ok);
    },
    .receive = [](void* itf, int32_t terminal, int32_t command, com::SafeArray** data, int32_t length,
                  com::VariantBool* ok) {
        return tcp(itf)->Receive(itf, terminal, static_cast<uint8_t>(command), data, length, ok);
    },
    .receive_no_reply = [](void* itf, int32_t terminal, int32_t command, com::SafeArray** data, int32_t length,
                           com::VariantBool* ok) {
        return tcp(itf)->ReceiveNoReply(itf, terminal, static_cast<uint8_t>(command), data, length, ok);
    },
    // The acknowledgement byte after a no-reply receive; its answer is not examined.
    .acknowledge = [](void* itf, int32_t terminal) {
        com::VariantBool ok = com::kFalse;
        return tcp(itf)->SendResponse(itf, terminal, wire::kAcknowledgeByte, &ok);
    },
    .close = [](void* itf) {
        com::VariantBool ok = com::kFalse;
        return tcp(itf)->Close(itf, &ok);
    },
    .answers_ping = true,
};

// --- Serial component: one line, one terminal -----------------------------

const abi::SerialComVtbl* serial(void* itf) { return abi::vtable<abi::SerialComVtbl>(itf); }

const ComInterface kSerialInterface{
    .clsid = abi::kSerialClsid,
    .iid = abi::kSerialIid,
    .posix_library = abi::kSerialPosixLibrary,
    .open = [](void* itf, int32_t port, com::VariantBool* ok) {
        return serial(itf)->Open(itf, static_cast<int16_t>(port & 0xFFFF), ok);
    },
    .send = [](void* itf, int32_t, int32_t command, com::SafeArray** data, uint16_t, com::VariantBool* ok) {
        return serial(itf)->Send(itf, command, data, ok);
    },
    .receive = [](void* itf, int32_t, int32_t command, com::SafeArray** data, int32_t length, com::VariantBool* ok) {
        return serial(itf)->Receive(itf, command, data, length, ok);
    },
    .receive_no_reply = [](void* itf, int32_t, int32_t command, com::SafeArray** data, int32_t length,
                           com::VariantBool* ok) {
        return serial(itf)->ReceiveNoReply(itf, command, data, length, ok);
    },
    .acknowledge = nullptr,
    // What the serial component's Close answers is not examined.
    .close = [](void* itf) {
        serial(itf)->Close(itf);
        return abi::hr::kOk;
    },
    .answers_ping = false,
};
}  // namespace

TcpComTransport::TcpComTransport() : ComTransport(kTcpInterface) {}
SerialComTransport::SerialComTransport() : ComTransport(kSerialInterface) {}

}  // namespace varanda
