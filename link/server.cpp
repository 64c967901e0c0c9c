#include "link/server.h"

#include "link/crc.h"

namespace corvo::link {

namespace {
// Identifies a request beyond its sequence number, so that a new back-end
// whose numbering happens to meet the old one is not served a stale answer.
uint32_t fingerprint(const Frame& f) {
    uint8_t head[6] = {static_cast<uint8_t>(f.header.type), f.header.command, f.header.flags, 0, 0, 0};
    varanda::wire::put_u16_le(head + 3, f.header.index);
    return crc32(f.payload.data(), f.payload.size(), crc32(head, sizeof head));
}

Header answer_header(const Header& req, FrameType type) {
    Header h;
    h.type = type;
    h.terminal = req.terminal;
    h.session = req.session;
    h.seq = req.seq;
    h.command = req.command;
    return h;
}
}  // namespace

void Endpoint::on_corrupt(const Header& header, std::vector<uint8_t>& out) {
    if (header.type != FrameType::Send && header.type != FrameType::Receive) return;
    encode(out, answer_header(header, FrameType::Nak), nullptr, 0);
}

void Endpoint::on_frame(const Frame& f, std::vector<uint8_t>& out) {
    const Header& h = f.header;
    auto known = memory_.find(h.terminal);
    if (known == memory_.end()) {
        if (memory_.size() >= max_terminals_) {
            ++refused_terminals_;
            if (h.type == FrameType::Send || h.type == FrameType::Receive) {
                const uint8_t status = static_cast<uint8_t>(Status::NotSupported);
                encode(out, answer_header(h, FrameType::Result), &status, 1);
            }
            return;
        }
        known = memory_.emplace(h.terminal, Memory{}).first;
    }
    Memory& m = known->second;
    if (h.type == FrameType::Response) {
        if (f.payload.size() != 1 || m.pending_seq == 0 || h.session != m.session || h.ack != m.pending_seq) return;
        if (f.payload[0] == kAcknowledgeByte) {
            handler_.commit(h.terminal);
            m.pending_seq = 0;
        } else if (f.payload[0] == kDiscardByte) {
            handler_.discard(h.terminal);
            m.pending_seq = 0;
        }
        return;
    }
    if (h.type != FrameType::Send && h.type != FrameType::Receive) return;

    const uint32_t fp = fingerprint(f);
    if (m.has_last && h.session == m.session && h.seq == m.last_seq && fp == m.fingerprint) {
        ++replays_;
        out.insert(out.end(), m.last_answer.begin(), m.last_answer.end());
        return;
    }
    if (m.pending_seq != 0) {
        if (h.session == m.session && h.ack == m.pending_seq)
            handler_.commit(h.terminal);
        else
            handler_.discard(h.terminal);
        m.pending_seq = 0;
    }

    Reply reply;
    if (h.type == FrameType::Receive && f.payload.size() != 4) {
        reply = Reply::refused(Status::BadLength);
    } else {
        const Request req{h.type, h.terminal, h.session, h.seq, h.command, h.has_index(), h.index, f.payload,
                          h.type == FrameType::Receive ? varanda::wire::get_u32_le(f.payload.data()) : 0};
        reply = handler_.handle(req);
    }

    std::vector<uint8_t> answer;
    if (h.type == FrameType::Receive && reply.status == Status::Accepted) {
        encode(answer, answer_header(h, FrameType::Data), reply.data.data(), reply.data.size());
    } else {
        const uint8_t status = static_cast<uint8_t>(reply.status);
        encode(answer, answer_header(h, FrameType::Result), &status, 1);
    }
    m.session = h.session;
    m.last_seq = h.seq;
    m.has_last = true;
    m.fingerprint = fp;
    m.pending_seq = (reply.hands_over && reply.status == Status::Accepted) ? h.seq : 0;
    out.insert(out.end(), answer.begin(), answer.end());
    m.last_answer = std::move(answer);
}

}  // namespace corvo::link
