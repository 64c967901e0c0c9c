// A fake TCP or serial COM component (FAKE_TCP_COM / FAKE_SERIAL_COM):
// records each method call and answers from the script.
//
// Results: Open, Send, SendResponse, Close take their queued result: > 0
// answers true, 0 false, < 0 is returned as a failing HRESULT. A receive takes
// the next queued answer: result 40 answers true with the answer's bytes (the
// array is replaced when their count differs from the array's), < 0 fails
// with that HRESULT, anything else (or no answer) answers false.
//
// Recorded ints: TCP Open port; Send terminal, command, index, count;
// SendResponse terminal, response; Receive / ReceiveNoReply terminal, command,
// length, count. Serial: the same without the terminal.
#include <vector>

#include "com_server.h"
#include "fake_state.h"

using namespace corvo::com;
namespace {

#if defined(FAKE_TCP_COM)
constexpr const Guid& kClsid = kTcpClsid;
constexpr const Guid& kIid = kTcpIid;
#else
constexpr const Guid& kClsid = kSerialClsid;
constexpr const Guid& kIid = kSerialIid;
#endif

// The array's element count, or -1 when there is none.
int32_t count_or_minus(SafeArray** a) {
    std::vector<uint8_t> bytes;
    return (a != nullptr && read_array(*a, bytes)) ? static_cast<int32_t>(bytes.size()) : -1;
}

// Records a call that sends the array's bytes.
void record_send(const char* entry, std::initializer_list<int32_t> ints, SafeArray** a) {
    std::vector<uint8_t> bytes;
    if (a != nullptr) read_array(*a, bytes);
    fake::record(entry, ints, bytes.data(), static_cast<int32_t>(bytes.size()));
}

HResult boolean(const char* entry, VariantBool* ok) {
    const int32_t r = fake::result_for(entry, 1);
    if (r < 0) return r;
    *ok = r > 0 ? kTrue : kFalse;
    return kOk;
}

HResult receive(SafeArray** array, VariantBool* ok) {
    *ok = kFalse;
    fake::Answer a;
    if (!fake::next_answer(a)) return kOk;
    if (a.result < 0) return a.result;
    if (a.result != 40) return kOk;
    if (!write_array(array, a.bytes.data(), static_cast<uint32_t>(a.bytes.size()))) return kOutOfMemory;
    *ok = kTrue;
    return kOk;
}

#if defined(FAKE_TCP_COM)
HResult VARANDA_COM_CALL Open(void*, int32_t port, VariantBool* ok) {
    fake::record("Open", {port});
    return boolean("Open", ok);
}
HResult VARANDA_COM_CALL Close(void*, VariantBool* ok) {
    fake::record("Close", {});
    return boolean("Close", ok);
}
HResult VARANDA_COM_CALL ReceiveNoReply(void*, int32_t t, uint8_t c, SafeArray** a, int32_t len, VariantBool* ok) {
    fake::record("ReceiveNoReply", {t, c, len, count_or_minus(a)});
    return receive(a, ok);
}
HResult VARANDA_COM_CALL Send(void*, int32_t t, uint8_t c, SafeArray** a, uint8_t index, VariantBool* ok) {
    record_send("Send", {t, c, index, count_or_minus(a)}, a);
    return boolean("Send", ok);
}
HResult VARANDA_COM_CALL SendResponse(void*, int32_t t, uint8_t r, VariantBool* ok) {
    fake::record("SendResponse", {t, r});
    return boolean("SendResponse", ok);
}
HResult VARANDA_COM_CALL Receive(void*, int32_t t, uint8_t c, SafeArray** a, int32_t len, VariantBool* ok) {
    fake::record("Receive", {t, c, len, count_or_minus(a)});
    return receive(a, ok);
}
const TcpComVtbl kVtbl{dispatch_slots(), Open, Close, ReceiveNoReply, Send, SendResponse, Receive};
#else
HResult VARANDA_COM_CALL Reserved(void*) { return kOk; }
HResult VARANDA_COM_CALL Open(void*, int16_t port, VariantBool* ok) {
    fake::record("Open", {port});
    return boolean("Open", ok);
}
HResult VARANDA_COM_CALL Send(void*, int32_t c, SafeArray** a, VariantBool* ok) {
    record_send("Send", {c, count_or_minus(a)}, a);
    return boolean("Send", ok);
}
HResult VARANDA_COM_CALL SendResponse(void*, uint8_t r, VariantBool* ok) {
    fake::record("SendResponse", {r});
    return boolean("SendResponse", ok);
}
HResult VARANDA_COM_CALL Receive(void*, int32_t c, SafeArray** a, int32_t len, VariantBool* ok) {
    fake::record("Receive", {c, len, count_or_minus(a)});
    return receive(a, ok);
}
HResult VARANDA_COM_CALL ReceiveNoReply(void*, int32_t c, SafeArray** a, int32_t len, VariantBool* ok) {
    fake::record("ReceiveNoReply", {c, len, count_or_minus(a)});
    return receive(a, ok);
}
HResult VARANDA_COM_CALL Close(void*) {
    fake::record("Close", {});
    const int32_t r = fake::result_for("Close", 1);
    return r < 0 ? r : kOk;
}
const SerialComVtbl kVtbl{dispatch_slots(), Reserved, Open, Send, SendResponse, Receive, ReceiveNoReply, Close};
#endif

// Fails when the script says so (a queued "Create" result of 0 or less).
Object* create() {
    if (fake::result_for("Create", 1) <= 0) return nullptr;
    return new_object(&kVtbl, kIid, nullptr, [](void*) {});
}

}  // namespace

const Component corvo::com::kComponent{kClsid, "Fake Corvo link", create};

// Live component objects, so that tests can see that the SDK released them.
FAKE_EXPORT int32_t Fake_LiveObjects() { return live_objects(); }
