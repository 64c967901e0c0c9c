// CorvoTcpCom: the TCP COM component. Each object holds the connections of
// its terminals' endpoints, like CorvoTCP (the open port's endpoint, 127.0.0.1
// unless CORVO_TCP_HOST, and those of the terminal map of
// CORVO_TCP_TERMINALS: ../tcp/endpoint_pool.h), and speaks the reference link
// on them (docs/link-protocol.md), with the block index in the frame; calls
// for terminals behind different endpoints may run at the same time. Time-out
// and retries: CORVO_LINK_TIMEOUT_MS, CORVO_LINK_RETRIES.
//
// Every method answers S_OK with its verdict in the VARIANT_BOOL (-1 done,
// 0 not); a missing out-parameter or array gives E_POINTER.
#include <cstdio>
#include <string>
#include <vector>

#include "com_server.h"
#include "endpoint_pool.h"

namespace {

using namespace corvo::com;
using corvo::tcp::EndpointPool;

EndpointPool& line(void* self) { return impl_of<EndpointPool>(self); }

HResult VARANDA_COM_CALL Open(void* self, int32_t port, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    std::string report;
    *ok = line(self).open(port, report) ? kTrue : kFalse;
    if (!report.empty()) std::fprintf(stderr, "CorvoTcpCom: %s\n", report.c_str());
    return kOk;
}

HResult VARANDA_COM_CALL Close(void* self, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    line(self).close();
    *ok = kTrue;
    return kOk;
}

HResult receive(void* self, int32_t terminal, uint8_t command, SafeArray** data, int32_t length, bool acknowledge,
                VariantBool* ok) {
    if (ok == nullptr || data == nullptr) return kPointer;
    *ok = kFalse;
    if (length < 0 || length > static_cast<int32_t>(corvo::link::kMaxPayload)) return kOk;
    std::vector<uint8_t> answer(static_cast<std::size_t>(length));
    const auto s = line(self).session(static_cast<uint32_t>(terminal));
    if (!s || !s->receive(static_cast<uint32_t>(terminal), command, answer.data(), static_cast<uint32_t>(length),
                          acknowledge))
        return kOk;
    if (!write_array(data, answer.data(), static_cast<uint32_t>(length))) return kOutOfMemory;
    *ok = kTrue;
    return kOk;
}

HResult VARANDA_COM_CALL ReceiveNoReply(void* self, int32_t terminal, uint8_t command, SafeArray** data,
                                        int32_t length, VariantBool* ok) {
    return receive(self, terminal, command, data, length, false, ok);
}

HResult VARANDA_COM_CALL Receive(void* self, int32_t terminal, uint8_t command, SafeArray** data, int32_t length,
                                 VariantBool* ok) {
    return receive(self, terminal, command, data, length, true, ok);
}

HResult VARANDA_COM_CALL Send(void* self, int32_t terminal, uint8_t command, SafeArray** data, uint8_t index,
                              VariantBool* ok) {
    if (ok == nullptr || data == nullptr) return kPointer;
    *ok = kFalse;
    std::vector<uint8_t> bytes;
    if (!read_array(*data, bytes)) return kOk;
    const auto s = line(self).session(static_cast<uint32_t>(terminal));
    const bool sent = s && s->send(static_cast<uint32_t>(terminal), command, bytes.data(),
                                   static_cast<uint32_t>(bytes.size()), static_cast<uint16_t>(index));
    *ok = sent ? kTrue : kFalse;
    return kOk;
}

HResult VARANDA_COM_CALL SendResponse(void* self, int32_t terminal, uint8_t response, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    const auto s = line(self).session(static_cast<uint32_t>(terminal));
    *ok = (s && s->respond(static_cast<uint32_t>(terminal), response)) ? kTrue : kFalse;
    return kOk;
}

const TcpComVtbl kVtbl{dispatch_slots(), Open, Close, ReceiveNoReply, Send, SendResponse, Receive};

Object* create() { return new_object_owning<EndpointPool>(&kVtbl, kTcpIid); }

}  // namespace

const corvo::com::Component corvo::com::kComponent{kTcpClsid, "Corvo TCP link", create};
