// One line of a back-end (a TCP connection, a serial device): its stream, the
// link client on it, and the lock that makes the exchanges over it wait for
// each other; exchanges on different sessions run at the same time. The
// sequence numbers and acknowledgements of each terminal live in the
// Sequencer, which outlives a drop and may be shared by several sessions.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "link/client.h"

namespace corvo::link {

class LinkSession {
public:
    // A connected stream, or null (the endpoint does not answer within
    // timeout_ms, the device does not open).
    using Connect = std::function<std::unique_ptr<Stream>(int timeout_ms)>;
    // Now: a dropped stream fails every exchange until the next open. OnUse:
    // connected at the first exchange, and again at the next one after a drop.
    enum class When { Now, OnUse };

    LinkSession() : own_(std::make_unique<Sequencer>(new_session_id())), seq_(*own_) {}
    explicit LinkSession(Sequencer& shared) : seq_(shared) {}

    // Closes what was open, then connects (Now: false when that fails).
    bool open(Connect connect, Settings settings, When when);
    void close();
    bool connected();  // a broken stream is dropped first

    // True when the terminal accepted (receive: exactly `length` bytes are in
    // `buffer`; nothing is written otherwise).
    bool send(uint32_t terminal, uint8_t command, const uint8_t* data, uint32_t length,
              std::optional<uint16_t> index = std::nullopt);
    bool receive(uint32_t terminal, uint8_t command, uint8_t* buffer, uint32_t length, bool acknowledge);
    // About `terminal`, or without one about that of the last exchange here.
    bool respond(std::optional<uint32_t> terminal, uint8_t byte);

    // f(Stream*) under the session's lock, with the open stream or null: other
    // traffic on the line, such as a modem's commands.
    template <class F>
    auto with_stream(F&& f) {
        std::lock_guard<std::mutex> g(lock_);
        return f(stream_.get());
    }

private:
    // Under lock_: the client for an exchange of about `bytes` bytes, or null.
    Client* usable(std::size_t bytes);
    bool connect_now();
    void drop();

    std::mutex lock_;
    std::unique_ptr<Sequencer> own_;
    Sequencer& seq_;
    Connect connect_;
    When when_ = When::Now;
    Settings settings_;
    std::unique_ptr<Stream> stream_;
    std::unique_ptr<Client> client_;
    uint32_t last_terminal_ = 0;
};

}  // namespace corvo::link
