// The terminal side of the link. Every request is answered once: a request
// repeated with the sequence number of the last one (a retransmission) gets
// the same answer again without being carried out twice. An answer that
// hands something over (a punch, an event) stays pending until the back-end
// acknowledges it, with a Response byte 6 or with the `ack` field of its next
// request; a next request that does not acknowledge it leaves the item where
// it was, to be offered again.
#pragma once
#include <cstdint>
#include <map>
#include <vector>

#include "link/frame.h"

namespace corvo::link {

struct Request {
    FrameType type;  // Send or Receive
    uint32_t terminal;
    uint32_t session;
    uint16_t seq;
    uint8_t command;
    bool has_index;
    uint16_t index;
    const std::vector<uint8_t>& payload;  // Send: the command's payload
    uint32_t expected_length;             // Receive: the answer length asked for
};

struct Reply {
    Status status = Status::Accepted;
    std::vector<uint8_t> data;  // a Receive accepted: the answer bytes
    bool hands_over = false;    // the answer hands something over (commit on acknowledgement)

    static Reply accepted() { return {}; }
    static Reply refused(Status s) { return {s, {}, false}; }
    static Reply answer(std::vector<uint8_t> bytes, bool hands_over = false) {
        return {Status::Accepted, std::move(bytes), hands_over};
    }
};

class Handler {
public:
    virtual ~Handler() = default;
    virtual Reply handle(const Request& request) = 0;
    // The answer that handed something over was acknowledged: remove it.
    virtual void commit(uint32_t terminal) = 0;
    // It was not acknowledged: keep it to offer again.
    virtual void discard(uint32_t terminal) = 0;
};

class Endpoint {
public:
    explicit Endpoint(Handler& handler) : handler_(handler) {}

    // Appends to `out` what the terminal sends back for a valid frame (maybe nothing).
    void on_frame(const Frame& frame, std::vector<uint8_t>& out);
    // A frame whose header was valid but whose body was damaged: a Nak.
    void on_corrupt(const Header& header, std::vector<uint8_t>& out);

    // What the endpoint remembers about one terminal's last exchange.
    struct Memory {
        uint32_t session = 0;
        uint16_t last_seq = 0;
        bool has_last = false;
        uint32_t fingerprint = 0;
        std::vector<uint8_t> last_answer;  // the encoded answer frame
        uint16_t pending_seq = 0;          // 0: nothing handed over and unacknowledged
    };
    const std::map<uint32_t, Memory>& memory() const { return memory_; }
    // Puts back what was remembered about a terminal (an emulator restarting
    // from its saved state).
    void restore(uint32_t terminal, Memory memory) { memory_[terminal] = std::move(memory); }

    std::size_t replays() const { return replays_; }

    // At most this many terminals are remembered (and so made behind the
    // endpoint): a stream of frames naming ever new numbers would otherwise
    // grow the memory without bound. A frame for a new terminal beyond it is
    // refused with NotSupported and reaches no handler.
    static constexpr std::size_t kDefaultMaxTerminals = 1024;
    void set_max_terminals(std::size_t n) { max_terminals_ = n; }
    std::size_t refused_terminals() const { return refused_terminals_; }

private:
    // The memory of the frame's terminal, made on its first frame; null (and
    // NotSupported answered to a request) when no more terminals fit.
    Memory* memory_for(const Header& header, std::vector<uint8_t>& out);
    // A Response byte: kAcknowledgeByte commits what the last answer handed
    // over, kDiscardByte keeps it to offer again.
    void on_acknowledgement(const Frame& frame, Memory& memory);
    // A new request settles what the last answer handed over: its `ack` field
    // commits it, anything else discards it.
    void settle_pending(const Header& header, Memory& memory);

    Handler& handler_;
    std::map<uint32_t, Memory> memory_;
    std::size_t max_terminals_ = kDefaultMaxTerminals;
    std::size_t refused_terminals_ = 0;
    std::size_t replays_ = 0;
};

}  // namespace corvo::link
