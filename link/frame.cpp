#include "link/frame.h"

#include "link/crc.h"

using namespace varanda::wire;

namespace corvo::link {

bool is_known_type(uint8_t type) {
    switch (static_cast<FrameType>(type)) {
        case FrameType::Send:
        case FrameType::Receive:
        case FrameType::Response:
        case FrameType::Result:
        case FrameType::Data:
        case FrameType::Nak:
            return true;
    }
    return false;
}

void encode(std::vector<uint8_t>& out, Header h, const uint8_t* payload, std::size_t size) {
    h.length = static_cast<uint32_t>(size);
    const std::size_t start = out.size();
    out.resize(start + kHeaderSize + size + kTrailerSize);
    uint8_t* p = out.data() + start;
    p[0] = kSync0;
    p[1] = kSync1;
    p[2] = kVersion;
    p[3] = static_cast<uint8_t>(h.type);
    put_u32_le(p + 4, h.terminal);
    put_u32_le(p + 8, h.session);
    put_u16_le(p + 12, h.seq);
    put_u16_le(p + 14, h.ack);
    p[16] = h.command;
    p[17] = h.flags;
    put_u16_le(p + 18, h.index);
    put_u32_le(p + 20, h.length);
    put_u16_be(p + 24, crc16(p, 24));
    for (std::size_t i = 0; i < size; ++i) p[kHeaderSize + i] = payload[i];
    put_u32_le(p + kHeaderSize + size, crc32(p, kHeaderSize + size));
}

std::vector<uint8_t> encode(const Frame& frame) {
    std::vector<uint8_t> out;
    encode(out, frame.header, frame.payload.data(), frame.payload.size());
    return out;
}

bool decode_header(const uint8_t* p, Header& h) {
    if (p[0] != kSync0 || p[1] != kSync1 || p[2] != kVersion || !is_known_type(p[3])) return false;
    if (crc16(p, 24) != get_u16_be(p + 24)) return false;
    const uint32_t length = get_u32_le(p + 20);
    if (length > kMaxPayload) return false;
    h.type = static_cast<FrameType>(p[3]);
    h.terminal = get_u32_le(p + 4);
    h.session = get_u32_le(p + 8);
    h.seq = get_u16_le(p + 12);
    h.ack = get_u16_le(p + 14);
    h.command = p[16];
    h.flags = p[17];
    h.index = get_u16_le(p + 18);
    h.length = length;
    return true;
}

}  // namespace corvo::link
