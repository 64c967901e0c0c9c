#include "comm/connection_manager.h"

#include <algorithm>
#include <vector>

#include "comm/com_transports.h"
#include "comm/dll_transports.h"
#include "comm/terminal_turns.h"
#include "platform/process_lock.h"
#include "platform/system.h"

namespace varanda {

namespace {
constexpr int32_t kBaud = 9600;
constexpr int32_t kModemBaud = 2400;

struct Variant {
    std::unique_ptr<Transport> (*make)();
    ReturnCode unavailable;
};

template <class T>
std::unique_ptr<Transport> make() {
    return std::make_unique<T>();
}

// The bytes of a caller's block, taken while the lock is held; a null block
// or an empty length stays as it was.
const uint8_t* copy_while_locked(const uint8_t* data, int32_t length, std::vector<uint8_t>& copy) {
    if (data == nullptr || length <= 0) return data;
    copy.assign(data, data + length);
    return copy.data();
}

// By connection type.
const Variant kVariants[] = {
    {make<SerialDllTransport>, rc::kSerialLibMissing},  // kSerial
    {make<TcpDllTransport>, rc::kTcpLibMissing},        // kTcpLibrary
    {make<TcpComTransport>, rc::kTcpComMissing},        // kTcpCom
    {make<SerialDllTransport>, rc::kSerialLibMissing},  // kModem
    {make<SerialComTransport>, rc::kSerialComMissing},  // kSerialCom
};
static_assert(std::size(kVariants) == connection_type::kSerialCom + 1);
}  // namespace

ConnectionManager::~ConnectionManager() { destroy_transport(); }

void ConnectionManager::destroy_transport() noexcept {
    try {
        transport_.reset();
    } catch (...) {
        transport_ = nullptr;
    }
}

ReturnCode ConnectionManager::SetConnectionType(uint32_t type) {
    try {
        destroy_transport();
        open_ = false;
        if (type < std::size(kVariants)) {
            transport_ = kVariants[type].make();
            unavailable_ = kVariants[type].unavailable;
            type_ = type;
            return rc::kOk;
        }
        transport_ = std::make_unique<TcpComTransport>();
        return rc::kBadConnectionType;
    } catch (...) {
        destroy_transport();
        transport_ = std::make_unique<TcpComTransport>();
        return rc::kException;
    }
}

void ConnectionManager::EnsureTransport() {
    if (!transport_) SetConnectionType(connection_type::kTcpCom);
}

ReturnCode ConnectionManager::OpenPort(int32_t port) {
    EnsureTransport();
    if (!transport_->IsAvailable()) return unavailable_;
    if (open_) return rc::kPortAlreadyOpen;
    if (transport_->Open(port, kBaud) != TransportResult::Done) return rc::kFailed;
    open_ = true;
    return rc::kOk;
}

ReturnCode ConnectionManager::OpenModemPort(int32_t port) {
    EnsureTransport();
    if (!transport_->IsAvailable()) return unavailable_;
    if (open_) return rc::kPortAlreadyOpen;
    if (type_ != connection_type::kModem) return rc::kNotAModem;
    if (transport_->OpenModem(port, kModemBaud) != TransportResult::Done) return rc::kFailed;
    open_ = true;
    return rc::kOk;
}

void ConnectionManager::ClosePort() {
    EnsureTransport();
    if (transport_->IsAvailable()) {
        transport_->Close();
        PumpMessages();
    }
    open_ = false;
}

void ConnectionManager::PumpMessages() { platform::pump_messages(); }

ReturnCode ConnectionManager::check(bool modem) {
    EnsureTransport();
    if (!transport_->IsAvailable()) return unavailable_;
    if (modem && type_ != connection_type::kModem) return rc::kNotAModem;
    if (!open_) return rc::kPortNotOpen;
    return rc::kOk;
}

ReturnCode ConnectionManager::SendCommand(int32_t terminal, const uint8_t* data, int32_t command, int32_t length) {
    return SendIndexedCommand(terminal, data, command, length, 0);
}

template <class Call>
TransportResult ConnectionManager::exchange(int32_t terminal, Call&& call) {
    const std::shared_ptr<Transport> transport = transport_;
    const turns::Ticket ticket = turns::arrive(terminal);
    TransportResult r;
    {
        const platform::ProcessLockRelease unlocked;
        turns::wait(ticket);
        try {
            r = call(*transport);
        } catch (...) {
            turns::done(ticket);
            throw;
        }
    }
    turns::done(ticket);
    return r;
}

ReturnCode ConnectionManager::SendIndexedCommand(int32_t terminal, const uint8_t* data, int32_t command,
                                                 int32_t length, uint16_t index) {
    if (ReturnCode c = check(false); c != rc::kOk) return c;
    std::vector<uint8_t> copy;
    const uint8_t* bytes = copy_while_locked(data, length, copy);
    const TransportResult r = exchange(terminal, [&](Transport& t) {
        return t.SendData(terminal, bytes, command, length, 0, index);
    });
    PumpMessages();
    return r == TransportResult::Done ? rc::kOk : rc::kFailed;
}

namespace {
// The answer goes to a copy of the caller's buffer while the lock is left,
// and the whole copy back into the buffer once it is held again.
template <class Receive>
TransportResult receive_into(uint8_t* buffer, int32_t length, Receive&& receive) {
    if (buffer == nullptr || length <= 0) return receive(buffer);
    std::vector<uint8_t> copy(buffer, buffer + length);
    const TransportResult r = receive(copy.data());
    std::copy(copy.begin(), copy.end(), buffer);
    return r;
}
}  // namespace

ReturnCode ConnectionManager::ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length) {
    if (ReturnCode c = check(false); c != rc::kOk) return c;
    PumpMessages();
    const TransportResult r = receive_into(buffer, length, [&](uint8_t* into) {
        return exchange(terminal, [&](Transport& t) { return t.ReceiveData(terminal, into, command, length, 0); });
    });
    return r == TransportResult::Done ? rc::kOk : rc::kFailed;
}

ReturnCode ConnectionManager::ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command,
                                                 int32_t length) {
    if (ReturnCode c = check(false); c != rc::kOk) return c;
    PumpMessages();
    const TransportResult r = receive_into(buffer, length, [&](uint8_t* into) {
        return exchange(terminal,
                        [&](Transport& t) { return t.ReceiveDataNoReply(terminal, into, command, length, 0); });
    });
    return r == TransportResult::Done ? rc::kOk : rc::kFailed;
}

ReturnCode ConnectionManager::SendModemString(const char* text) {
    if (ReturnCode c = check(true); c != rc::kOk) return c;
    return transport_->SendModemString(text) == TransportResult::Done ? rc::kOk : rc::kFailed;
}

int32_t ConnectionManager::ReadModemByte() {
    if (check(true) != rc::kOk) return kNoModemByte;
    return transport_->ReadModemByte();
}

}  // namespace varanda
