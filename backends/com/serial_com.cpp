// CorvoSerialCom: the serial COM component. Each object holds one serial
// line with one terminal on it (the methods name none): the terminal number
// put in the link's frames is 1, or CORVO_SERIAL_COM_TERMINAL. The device of
// each port: backends/serial/serial_device.h; 9600 baud. Time-out and
// retries: CORVO_LINK_TIMEOUT_MS, CORVO_LINK_RETRIES.
//
// Methods answer S_OK with their verdict in the VARIANT_BOOL (-1 done, 0 not);
// a missing out-parameter or array gives E_POINTER.
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <new>

#include "com_server.h"
#include "link/client.h"
#include "serial_device.h"
#include "serial_stream.h"

namespace {

using namespace corvo::com;
using corvo::link::Client;

constexpr int32_t kBaud = 9600;

uint32_t terminal_number() {
    const char* v = std::getenv("CORVO_SERIAL_COM_TERMINAL");
    if (v == nullptr || *v == '\0') return 1;
    char* end = nullptr;
    const unsigned long n = std::strtoul(v, &end, 10);
    return (end != v && *end == '\0' && n <= 0xFFFFFFFFul) ? static_cast<uint32_t>(n) : 1;
}

struct SerialLine {
    std::mutex lock;
    corvo::serial::SerialStream stream;
    corvo::link::Sequencer sequencer{corvo::link::new_session_id()};
    corvo::link::Settings base;
    std::unique_ptr<Client> client;
    uint32_t terminal = terminal_number();

    // The client for an exchange of about `bytes` bytes (the time-out grows
    // by the time they take on the line), or null.
    Client* usable(std::size_t bytes) {
        if (client && client->broken()) close();
        if (!client) return nullptr;
        corvo::link::Settings s = base;
        const long long on_line = (static_cast<long long>(bytes) + 64) * 10 * 1000 / stream.baud();
        s.timeout_ms = static_cast<int>(std::min<long long>(s.timeout_ms + on_line, 600000));
        client->set_settings(s);
        return client.get();
    }
    void close() {
        client.reset();
        stream.close();
    }
};

SerialLine& line(void* self) { return impl_of<SerialLine>(self); }

HResult VARANDA_COM_CALL Reserved(void*) { return kOk; }

HResult VARANDA_COM_CALL Open(void* self, int16_t port, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    SerialLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    l.close();
    *ok = kFalse;
    if (!l.stream.open(corvo::serial::device_for_port(port), kBaud)) return kOk;
    l.base = corvo::link::Settings::from_environment();
    l.client = std::make_unique<Client>(l.stream, l.sequencer, l.base);
    *ok = kTrue;
    return kOk;
}

HResult VARANDA_COM_CALL Send(void* self, int32_t command, SafeArray** data, VariantBool* ok) {
    if (ok == nullptr || data == nullptr) return kPointer;
    *ok = kFalse;
    std::vector<uint8_t> bytes;
    if (command < 0 || command > 255 || !read_array(*data, bytes)) return kOk;
    SerialLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    Client* c = l.usable(bytes.size());
    if (c == nullptr) return kOk;
    const auto r = c->send(l.terminal, static_cast<uint8_t>(command), bytes.data(), static_cast<uint32_t>(bytes.size()));
    *ok = r == Client::Outcome::Accepted ? kTrue : kFalse;
    return kOk;
}

HResult VARANDA_COM_CALL SendResponse(void* self, uint8_t response, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    SerialLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    Client* c = l.usable(1);
    *ok = (c != nullptr && c->respond(l.terminal, response)) ? kTrue : kFalse;
    return kOk;
}

HResult receive(void* self, int32_t command, SafeArray** data, int32_t length, bool acknowledge, VariantBool* ok) {
    if (ok == nullptr || data == nullptr) return kPointer;
    *ok = kFalse;
    if (command < 0 || command > 255 || length < 0 || length > static_cast<int32_t>(corvo::link::kMaxPayload))
        return kOk;
    SerialLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    Client* c = l.usable(static_cast<std::size_t>(length));
    if (c == nullptr) return kOk;
    std::vector<uint8_t> answer(static_cast<std::size_t>(length));
    if (c->receive(l.terminal, static_cast<uint8_t>(command), answer.data(), static_cast<uint32_t>(length),
                   acknowledge) != Client::Outcome::Accepted)
        return kOk;
    if (!write_array(data, answer.data(), static_cast<uint32_t>(length))) return kOutOfMemory;
    *ok = kTrue;
    return kOk;
}

HResult VARANDA_COM_CALL Receive(void* self, int32_t command, SafeArray** data, int32_t length, VariantBool* ok) {
    return receive(self, command, data, length, true, ok);
}

// The line hands the answer over without acknowledging it; the next request
// on the line does (docs/link-protocol.md).
HResult VARANDA_COM_CALL ReceiveNoReply(void* self, int32_t command, SafeArray** data, int32_t length,
                                        VariantBool* ok) {
    return receive(self, command, data, length, false, ok);
}

HResult VARANDA_COM_CALL Close(void* self) {
    SerialLine& l = line(self);
    std::lock_guard<std::mutex> g(l.lock);
    l.close();
    return kOk;
}

const SerialComVtbl kVtbl{dispatch_slots(), Reserved, Open, Send, SendResponse, Receive, ReceiveNoReply, Close};

Object* create() {
    auto* l = new (std::nothrow) SerialLine();
    if (l == nullptr) return nullptr;
    return new_object(&kVtbl, kSerialIid, l, [](void* p) { delete static_cast<SerialLine*>(p); });
}

}  // namespace

const corvo::com::Component corvo::com::kComponent{kSerialClsid, "Corvo serial link", create};
