// CorvoTcpCom: the TCP COM component. Each object holds one TCP connection
// to the terminals' converter (or corvo-sim) that carries every terminal
// number, and speaks the reference link on it (docs/link-protocol.md), with
// the block index in the frame. Host: 127.0.0.1 unless CORVO_TCP_HOST; time-out
// and retries: CORVO_LINK_TIMEOUT_MS, CORVO_LINK_RETRIES.
//
// Every method answers S_OK with its verdict in the VARIANT_BOOL (-1 done,
// 0 not); a missing out-parameter or array gives E_POINTER.
#include <cstdlib>
#include <memory>
#include <mutex>
#include <new>
#include <string>

#include "com_server.h"
#include "link/client.h"
#include "socket_stream.h"

namespace {

using namespace corvo::com;
using corvo::link::Client;

struct TcpLine {
    std::mutex lock;
    corvo::tcp::SocketStream socket;
    corvo::link::Sequencer sequencer{corvo::link::new_session_id()};
    std::unique_ptr<Client> client;

    Client* usable() {
        if (client && client->broken()) {
            client.reset();
            socket.close();
        }
        return client.get();
    }
    void close() {
        client.reset();
        socket.close();
    }
};

TcpLine& line(void* self) { return impl_of<TcpLine>(self); }

std::string host_name() {
    const char* h = std::getenv("CORVO_TCP_HOST");
    return (h != nullptr && *h != '\0') ? std::string(h) : std::string("127.0.0.1");
}

HResult VARANDA_COM_CALL Open(void* self, int32_t port, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    TcpLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    l.close();
    *ok = kFalse;
    if (port <= 0 || port > 65535) return kOk;
    const corvo::link::Settings settings = corvo::link::Settings::from_environment();
    if (!l.socket.connect(host_name(), static_cast<uint16_t>(port), settings.timeout_ms)) return kOk;
    l.client = std::make_unique<Client>(l.socket, l.sequencer, settings);
    *ok = kTrue;
    return kOk;
}

HResult VARANDA_COM_CALL Close(void* self, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    TcpLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    l.close();
    *ok = kTrue;
    return kOk;
}

HResult receive(void* self, int32_t terminal, uint8_t command, SafeArray** data, int32_t length, bool acknowledge,
                VariantBool* ok) {
    if (ok == nullptr || data == nullptr) return kPointer;
    *ok = kFalse;
    TcpLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    Client* c = l.usable();
    if (c == nullptr || length < 0 || length > static_cast<int32_t>(corvo::link::kMaxPayload)) return kOk;
    std::vector<uint8_t> answer(static_cast<std::size_t>(length));
    if (c->receive(static_cast<uint32_t>(terminal), command, answer.data(), static_cast<uint32_t>(length),
                   acknowledge) != Client::Outcome::Accepted)
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
    TcpLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    Client* c = l.usable();
    if (c == nullptr) return kOk;
    const auto r = c->send(static_cast<uint32_t>(terminal), command, bytes.data(), static_cast<uint32_t>(bytes.size()),
                           static_cast<uint16_t>(index));
    *ok = r == Client::Outcome::Accepted ? kTrue : kFalse;
    return kOk;
}

HResult VARANDA_COM_CALL SendResponse(void* self, int32_t terminal, uint8_t response, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    TcpLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    Client* c = l.usable();
    *ok = (c != nullptr && c->respond(static_cast<uint32_t>(terminal), response)) ? kTrue : kFalse;
    return kOk;
}

const TcpComVtbl kVtbl{dispatch_slots(), Open, Close, ReceiveNoReply, Send, SendResponse, Receive};

Object* create() {
    auto* l = new (std::nothrow) TcpLine();
    if (l == nullptr) return nullptr;
    return new_object(&kVtbl, kTcpIid, l, [](void* p) { delete static_cast<TcpLine*>(p); });
}

}  // namespace

const corvo::com::Component corvo::com::kComponent{kTcpClsid, "Corvo TCP link", create};
