#include "link/server.h"

#include "link/crc.h"

namespace corvo::link {

namespace {
// Identifies a request beyond its sequence number, so that a new back-end
// whose numbering happens to meet the old one is not served a stale answer.
uint32_t fingerprint(const Frame& frame) {
    const Header& header = frame.header;
    uint8_t head[6] = {static_cast<uint8_t>(header.type), header.command, header.flags, 0, 0, 0};
    varanda::wire::put_u16_le(head + 3, header.index);
    return crc32(frame.payload.data(), frame.payload.size(), crc32(head, sizeof head));
}

Header answer_header(const Header& request, FrameType type) {
    Header answer;
    answer.type = type;
    answer.terminal = request.terminal;
    answer.session = request.session;
    answer.seq = request.seq;
    answer.command = request.command;
    return answer;
}

void encode_result(std::vector<uint8_t>& out, const Header& request, Status status) {
    const uint8_t byte = static_cast<uint8_t>(status);
    encode(out, answer_header(request, FrameType::Result), &byte, 1);
}

bool is_request(FrameType type) { return type == FrameType::Send || type == FrameType::Receive; }

// What the handler makes of a request; a Receive must carry just the length asked for.
Reply carry_out(Handler& handler, const Frame& frame) {
    const Header& header = frame.header;
    const bool receive = header.type == FrameType::Receive;
    if (receive && frame.payload.size() != kReceivePayloadSize) return Reply::refused(Status::BadLength);
    const Request request{header.type,  header.terminal, header.session, header.seq,  header.command,
                          header.has_index(), header.index, frame.payload,
                          receive ? varanda::wire::get_u32_le(frame.payload.data()) : 0};
    return handler.handle(request);
}

// The encoded answer: the data of an accepted Receive, else a Result byte.
std::vector<uint8_t> encode_answer(const Header& request, const Reply& reply) {
    std::vector<uint8_t> answer;
    if (request.type == FrameType::Receive && reply.status == Status::Accepted) {
        encode(answer, answer_header(request, FrameType::Data), reply.data.data(), reply.data.size());
    } else {
        encode_result(answer, request, reply.status);
    }
    return answer;
}
}  // namespace

void Endpoint::on_corrupt(const Header& header, std::vector<uint8_t>& out) {
    if (!is_request(header.type)) return;
    encode(out, answer_header(header, FrameType::Nak), nullptr, 0);
}

Endpoint::Memory* Endpoint::memory_for(const Header& header, std::vector<uint8_t>& out) {
    auto known = memory_.find(header.terminal);
    if (known != memory_.end()) return &known->second;
    if (memory_.size() >= max_terminals_) {
        ++refused_terminals_;
        if (is_request(header.type)) encode_result(out, header, Status::NotSupported);
        return nullptr;
    }
    return &memory_.emplace(header.terminal, Memory{}).first->second;
}

void Endpoint::on_acknowledgement(const Frame& frame, Memory& memory) {
    const Header& header = frame.header;
    if (frame.payload.size() != 1 || memory.pending_seq == 0 || header.session != memory.session ||
        header.ack != memory.pending_seq)
        return;
    if (frame.payload[0] == kAcknowledgeByte) {
        handler_.commit(header.terminal);
        memory.pending_seq = 0;
    } else if (frame.payload[0] == kDiscardByte) {
        handler_.discard(header.terminal);
        memory.pending_seq = 0;
    }
}

void Endpoint::settle_pending(const Header& header, Memory& memory) {
    if (memory.pending_seq == 0) return;
    if (header.session == memory.session && header.ack == memory.pending_seq)
        handler_.commit(header.terminal);
    else
        handler_.discard(header.terminal);
    memory.pending_seq = 0;
}

void Endpoint::on_frame(const Frame& frame, std::vector<uint8_t>& out) {
    const Header& header = frame.header;
    Memory* memory = memory_for(header, out);
    if (memory == nullptr) return;
    if (header.type == FrameType::Response) return on_acknowledgement(frame, *memory);
    if (!is_request(header.type)) return;

    const uint32_t signature = fingerprint(frame);
    if (memory->has_last && header.session == memory->session && header.seq == memory->last_seq &&
        signature == memory->fingerprint) {
        ++replays_;
        out.insert(out.end(), memory->last_answer.begin(), memory->last_answer.end());
        return;
    }
    settle_pending(header, *memory);
    const Reply reply = carry_out(handler_, frame);
    std::vector<uint8_t> answer = encode_answer(header, reply);
    memory->session = header.session;
    memory->last_seq = header.seq;
    memory->has_last = true;
    memory->fingerprint = signature;
    memory->pending_seq = (reply.hands_over && reply.status == Status::Accepted) ? header.seq : 0;
    out.insert(out.end(), answer.begin(), answer.end());
    memory->last_answer = std::move(answer);
}

}  // namespace corvo::link
