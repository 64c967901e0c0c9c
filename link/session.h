// One line of a back-end (a TCP connection to an endpoint, a serial device):
// its stream, the link client speaking on it, and the lock that makes the
// exchanges over it wait for each other. Exchanges on different sessions run
// at the same time. The sequence numbers and acknowledgements of each
// terminal live in the Sequencer, which outlives a drop and may be shared by
// the sessions of one back-end.
//
// A session opens its stream now, or on use: at its first exchange and again
// at the next exchange after the stream dropped. Otherwise a dropped stream
// fails every exchange until the session is opened again.
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
    // A connected stream, or null when it cannot be had (the endpoint does
    // not answer within timeout_ms, the device does not open).
    using Connect = std::function<std::unique_ptr<Stream>(int timeout_ms)>;
    enum class When { Now, OnUse };

    LinkSession() : own_(std::make_unique<Sequencer>(new_session_id())), seq_(*own_) {}
    explicit LinkSession(Sequencer& shared) : seq_(shared) {}
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // Closes what was open, then connects with `connect` (Now: false when it
    // fails). `baud`: the line's rate, where the time the frames take on the
    // line lengthens each attempt's time-out; 0 where it does not count.
    bool open(Connect connect, Settings settings, When when, int32_t baud = 0);
    void close();
    // True while the stream is usable (a broken one is dropped first).
    bool connected();

    // One exchange each; true when the terminal accepted (receive: exactly
    // `length` bytes are in `buffer`, nothing is written otherwise).
    bool send(uint32_t terminal, uint8_t command, const uint8_t* data, uint32_t length,
              std::optional<uint16_t> index = std::nullopt);
    bool receive(uint32_t terminal, uint8_t command, uint8_t* buffer, uint32_t length, bool acknowledge);
    bool respond(uint32_t terminal, uint8_t byte) { return respond_to(terminal, byte); }
    // About the terminal of the last exchange on this session.
    bool respond_last(uint8_t byte) { return respond_to(std::nullopt, byte); }

    // Runs f(Stream*) under the session's lock, with the open stream (null
    // when none): other traffic on the line, such as a modem's commands.
    template <class F>
    auto with_stream(F&& f) {
        std::lock_guard<std::mutex> g(lock_);
        return f(stream_.get());
    }

private:
    bool respond_to(std::optional<uint32_t> terminal, uint8_t byte);
    // Under lock_: the client for an exchange of about `bytes` bytes, or null.
    Client* usable(std::size_t bytes);
    void drop();

    std::mutex lock_;
    std::unique_ptr<Sequencer> own_;
    Sequencer& seq_;
    Connect connect_;
    When when_ = When::Now;
    int32_t baud_ = 0;
    Settings settings_;
    std::unique_ptr<Stream> stream_;
    std::unique_ptr<Client> client_;
    uint32_t last_terminal_ = 0;
};

}  // namespace corvo::link
