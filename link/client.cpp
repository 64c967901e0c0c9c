#include "link/client.h"

#include <atomic>
#include <chrono>
#include <random>

#include "link/trace.h"

namespace corvo::link {

uint16_t Sequencer::next_seq(uint32_t terminal) {
    std::lock_guard<std::mutex> g(lock_);
    Term& t = terms_[terminal];
    t.seq = static_cast<uint16_t>(t.seq + 1);
    if (t.seq == 0) t.seq = 1;
    return t.seq;
}

uint16_t Sequencer::ack(uint32_t terminal) const {
    std::lock_guard<std::mutex> g(lock_);
    auto it = terms_.find(terminal);
    return it == terms_.end() ? 0 : it->second.ack;
}

void Sequencer::set_ack(uint32_t terminal, uint16_t seq) {
    std::lock_guard<std::mutex> g(lock_);
    terms_[terminal].ack = seq;
}

uint32_t new_session_id() {
    std::random_device rd;
    uint32_t v = rd() ^ static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    static std::atomic<uint32_t> counter{0};
    v ^= ++counter * 0x9E3779B9u;
    return v == 0 ? 1 : v;
}

namespace {
using Clock = std::chrono::steady_clock;

bool answers(const Header& h, uint32_t session, uint32_t terminal, uint16_t seq) {
    return h.session == session && h.terminal == terminal && h.seq == seq;
}
}  // namespace

Header Client::header(FrameType type, uint32_t terminal, uint16_t seq, uint8_t command) const {
    Header h;
    h.type = type;
    h.terminal = terminal;
    h.session = seq_.session();
    h.seq = seq;
    h.ack = seq_.ack(terminal);  // the last answer received from this terminal
    h.command = command;
    return h;
}

std::optional<Frame> Client::exchange(const std::vector<uint8_t>& request, uint32_t terminal, uint16_t seq) {
    if (broken_) return std::nullopt;
    uint8_t chunk[4096];
    Frame f;
    Trace& trace = Trace::get();
    for (int attempt = 0; attempt <= settings_.retries; ++attempt) {
        trace.sent(request);
        if (!stream_.write(request.data(), request.size())) {
            broken_ = true;
            return std::nullopt;
        }
        const auto deadline = Clock::now() + std::chrono::milliseconds(settings_.timeout_ms);
        bool again = false;
        while (!again) {
            // Frames already buffered first, then the stream.
            Parser::Event ev;
            while ((ev = parser_.next(f)) != Parser::Event::None) {
                trace.received(f, ev == Parser::Event::Corrupt);
                if (!answers(f.header, seq_.session(), terminal, seq)) continue;  // stale or foreign
                if (ev == Parser::Event::Corrupt || f.header.type == FrameType::Nak) {
                    again = true;  // our answer was damaged, or our request was: ask again now
                    break;
                }
                if (f.header.type == FrameType::Result || f.header.type == FrameType::Data) return f;
            }
            if (again) break;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) {
                parser_.clear();  // a partial frame now can only be stale
                break;
            }
            const int n = stream_.read(chunk, sizeof chunk, static_cast<int>(left));
            if (n < 0) {
                broken_ = true;
                return std::nullopt;
            }
            if (n > 0) parser_.feed(chunk, static_cast<std::size_t>(n));
        }
    }
    return std::nullopt;
}

Client::Outcome Client::send(uint32_t terminal, uint8_t command, const uint8_t* data, uint32_t length,
                             std::optional<uint16_t> index) {
    if (length > kMaxPayload || (length > 0 && data == nullptr)) return Outcome::Refused;
    Header h = header(FrameType::Send, terminal, seq_.next_seq(terminal), command);
    if (index) {
        h.flags = kFlagIndex;
        h.index = *index;
    }
    out_.clear();
    encode(out_, h, data, length);
    auto answer = exchange(out_, terminal, h.seq);
    if (!answer) return Outcome::Failed;
    seq_.set_ack(terminal, h.seq);
    const bool ok = answer->header.type == FrameType::Result && answer->payload.size() == 1 &&
                    answer->payload[0] == static_cast<uint8_t>(Status::Accepted);
    return ok ? Outcome::Accepted : Outcome::Refused;
}

Client::Outcome Client::receive(uint32_t terminal, uint8_t command, uint8_t* buffer, uint32_t length,
                                bool acknowledge) {
    if (length > kMaxPayload || (length > 0 && buffer == nullptr)) return Outcome::Refused;
    const Header h = header(FrameType::Receive, terminal, seq_.next_seq(terminal), command);
    uint8_t want[kReceivePayloadSize];
    varanda::wire::put_u32_le(want, length);
    out_.clear();
    encode(out_, h, want, sizeof want);
    auto answer = exchange(out_, terminal, h.seq);
    if (!answer) return Outcome::Failed;
    if (answer->header.type != FrameType::Data || answer->payload.size() != length) {
        // A refusal is an answer; an answer of another length is not delivered.
        if (answer->header.type == FrameType::Result) seq_.set_ack(terminal, h.seq);
        return Outcome::Refused;
    }
    for (uint32_t i = 0; i < length; ++i) buffer[i] = answer->payload[i];
    seq_.set_ack(terminal, h.seq);
    if (acknowledge) respond(terminal, kAcknowledgeByte);
    return Outcome::Accepted;
}

bool Client::respond(uint32_t terminal, uint8_t byte) {
    if (broken_) return false;
    out_.clear();
    encode(out_, header(FrameType::Response, terminal, seq_.ack(terminal), 0), &byte, 1);
    Trace::get().sent(out_);
    if (!stream_.write(out_.data(), out_.size())) broken_ = true;
    return !broken_;
}

}  // namespace corvo::link
