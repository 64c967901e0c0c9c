// CorvoSerialCom: the serial COM component. Each object holds one serial
// line with one terminal on it (the methods name none): the terminal number
// put in the link's frames is 1, or CORVO_SERIAL_COM_TERMINAL. The device of
// each port: backends/serial/serial_device.h; 9600 baud. Time-out and
// retries: CORVO_LINK_TIMEOUT_MS, CORVO_LINK_RETRIES.
//
// Methods answer S_OK with their verdict in the VARIANT_BOOL (-1 done, 0 not);
// a missing out-parameter or array gives E_POINTER.
#include <cstdlib>

#include "com_server.h"
#include "serial_stream.h"

namespace {

using namespace corvo::com;

constexpr int32_t kBaud = 9600;

uint32_t terminal_number() {
    const char* v = std::getenv("CORVO_SERIAL_COM_TERMINAL");
    if (v == nullptr || *v == '\0') return 1;
    char* end = nullptr;
    const unsigned long n = std::strtoul(v, &end, 10);
    return (end != v && *end == '\0' && n <= 0xFFFFFFFFul) ? static_cast<uint32_t>(n) : 1;
}

struct SerialLine {
    corvo::link::LinkSession session;
    uint32_t terminal = terminal_number();
};

SerialLine& line(void* self) { return impl_of<SerialLine>(self); }

HResult VARANDA_COM_CALL Reserved(void*) { return kOk; }

HResult VARANDA_COM_CALL Open(void* self, int16_t port, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    *ok = corvo::serial::open_port(line(self).session, port, kBaud) ? kTrue : kFalse;
    return kOk;
}

HResult VARANDA_COM_CALL Send(void* self, int32_t command, SafeArray** data, VariantBool* ok) {
    if (ok == nullptr || data == nullptr) return kPointer;
    *ok = kFalse;
    std::vector<uint8_t> bytes;
    if (command < 0 || command > 255 || !read_array(*data, bytes)) return kOk;
    SerialLine& l = line(self);
    const bool sent = l.session.send(l.terminal, static_cast<uint8_t>(command), bytes.data(),
                                     static_cast<uint32_t>(bytes.size()));
    *ok = sent ? kTrue : kFalse;
    return kOk;
}

HResult VARANDA_COM_CALL SendResponse(void* self, uint8_t response, VariantBool* ok) {
    if (ok == nullptr) return kPointer;
    SerialLine& l = line(self);
    *ok = l.session.respond(l.terminal, response) ? kTrue : kFalse;
    return kOk;
}

HResult receive(void* self, int32_t command, SafeArray** data, int32_t length, bool acknowledge, VariantBool* ok) {
    if (ok == nullptr || data == nullptr) return kPointer;
    *ok = kFalse;
    if (command < 0 || command > 255 || length < 0 || length > static_cast<int32_t>(corvo::link::kMaxPayload))
        return kOk;
    SerialLine& l = line(self);
    std::vector<uint8_t> answer(static_cast<std::size_t>(length));
    if (!l.session.receive(l.terminal, static_cast<uint8_t>(command), answer.data(), static_cast<uint32_t>(length),
                           acknowledge))
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
    line(self).session.close();
    return kOk;
}

const SerialComVtbl kVtbl{dispatch_slots(), Reserved, Open, Send, SendResponse, Receive, ReceiveNoReply, Close};

Object* create() { return new_object_owning<SerialLine>(&kVtbl, kSerialIid); }

}  // namespace

const corvo::com::Component corvo::com::kComponent{kSerialClsid, "Corvo serial link", create};
