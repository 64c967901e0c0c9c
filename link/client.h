// The back-end side of the link: one exchange at a time over a byte stream,
// with a time-out per attempt, retransmission of the same request (same
// sequence number) on silence, damage or a negative acknowledgement, and the
// acknowledgement of every answer received carried by the next request.
#pragma once
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>

#include "link/frame.h"
#include "link/parser.h"
#include "link/settings.h"

namespace corvo::link {

// A connected byte stream (a socket, a serial line).
class Stream {
public:
    virtual ~Stream() = default;
    // Writes every byte; false when the stream failed.
    virtual bool write(const uint8_t* data, std::size_t size) = 0;
    // Waits up to timeout_ms for bytes: the count read, 0 on time-out, -1
    // when the stream is closed or failed.
    virtual int read(uint8_t* buffer, std::size_t capacity, int timeout_ms) = 0;
    // Bits per second where the time frames take on the line counts (a serial line); 0 elsewhere.
    virtual int32_t baud() const { return 0; }
};

// A stream over one handle of the operating system (a descriptor, a Windows
// HANDLE or SOCKET): whether it is open, and closing it once. A derived
// stream closes in its own destructor, since closing calls its close_handle.
class HandleStream : public Stream {
public:
    HandleStream(const HandleStream&) = delete;
    HandleStream& operator=(const HandleStream&) = delete;

    bool is_open() const { return handle_ != kNone; }
    void close() {
        if (handle_ == kNone) return;
        close_handle(handle_);
        handle_ = kNone;
    }

protected:
    static constexpr intptr_t kNone = -1;
    HandleStream() = default;
    virtual void close_handle(intptr_t handle) = 0;

    intptr_t handle_ = kNone;
};

// Sequence numbers per terminal, and the sequence number of the last answer
// received from each, for one session. Kept apart from the stream so that it
// outlives a reconnection; shared by the connections of one back-end, which
// may use it from several threads at once.
class Sequencer {
public:
    explicit Sequencer(uint32_t session) : session_(session) {}
    uint32_t session() const { return session_; }
    uint16_t next_seq(uint32_t terminal);  // 1..65535, never 0
    uint16_t ack(uint32_t terminal) const;
    void set_ack(uint32_t terminal, uint16_t seq);

private:
    struct Term {
        uint16_t seq = 0;
        uint16_t ack = 0;
    };
    uint32_t session_;
    mutable std::mutex lock_;
    std::map<uint32_t, Term> terms_;
};

// A session number that differs between processes and loads.
uint32_t new_session_id();

class Client {
public:
    enum class Outcome {
        Accepted,  // Send: the terminal took the command; Receive: the buffer holds the answer
        Refused,   // the terminal answered, but not with acceptance (or with another length)
        Failed,    // no valid answer within the attempts, or the stream failed
    };

    Client(Stream& stream, Sequencer& sequencer, Settings settings)
        : stream_(stream), seq_(sequencer), settings_(settings) {}

    Outcome send(uint32_t terminal, uint8_t command, const uint8_t* data, uint32_t length,
                 std::optional<uint16_t> index = std::nullopt);
    // Writes exactly `length` bytes into `buffer` on Accepted, nothing otherwise.
    // With `acknowledge`, a Response frame with byte 6 follows at once.
    Outcome receive(uint32_t terminal, uint8_t command, uint8_t* buffer, uint32_t length, bool acknowledge);
    // A Response frame with one byte, about the last answer of `terminal`.
    bool respond(uint32_t terminal, uint8_t byte);

    // Time-out and retries for the next exchanges (a slow line lengthens them).
    void set_settings(Settings settings) { settings_ = settings; }

    // True once the stream failed; every later call fails at once.
    bool broken() const { return broken_; }

private:
    Header header(FrameType type, uint32_t terminal, uint16_t seq, uint8_t command) const;
    // Sends `request` and waits for the answer with its sequence number.
    std::optional<Frame> exchange(const std::vector<uint8_t>& request, uint32_t terminal, uint16_t seq);

    Stream& stream_;
    Sequencer& seq_;
    Settings settings_;
    Parser parser_;
    bool broken_ = false;
    std::vector<uint8_t> out_;
};

}  // namespace corvo::link
