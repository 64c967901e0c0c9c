// One frame of the reference link between a back-end and a terminal (see
// docs/link-protocol.md): a 26-byte header with its own CRC-16, the payload,
// and a CRC-32 over header and payload. Numbers are little-endian, the
// header's CRC-16 big-endian (src/wire/byte_order.h).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "src/wire/byte_order.h"

namespace corvo::link {

inline constexpr uint8_t kSync0 = 0xC5;
inline constexpr uint8_t kSync1 = 0x3A;
inline constexpr uint8_t kVersion = 1;
inline constexpr std::size_t kHeaderSize = 26;
inline constexpr std::size_t kTrailerSize = 4;
// The payload of a Receive: the answer length asked for.
inline constexpr std::size_t kReceivePayloadSize = 4;
// The largest payload a frame may carry; longer claims are refused as corrupt.
inline constexpr uint32_t kMaxPayload = 256u * 1024u;

enum class FrameType : uint8_t {
    Send = 0x01,      // back-end -> terminal: a command with its payload
    Receive = 0x02,   // back-end -> terminal: asks for an answer (payload: expected length, u32 LE)
    Response = 0x03,  // back-end -> terminal: one response byte (6 acknowledges the answer `ack`)
    Result = 0x81,    // terminal -> back-end: one status byte
    Data = 0x82,      // terminal -> back-end: the answer bytes
    Nak = 0x85,       // terminal -> back-end: the frame `seq` arrived damaged
};
bool is_known_type(uint8_t type);

// Status byte of a Result frame.
enum class Status : uint8_t {
    Accepted = 0,
    UnknownCommand = 1,
    BadLength = 2,
    BadContents = 3,
    NothingToGive = 4,
    NotSupported = 5,
};

inline constexpr uint8_t kFlagIndex = 0x01;  // the block index field is meaningful
// The byte of a Response frame: the host kept the answer (the terminal then
// drops what it handed over), or it discards it (the terminal offers it again).
inline constexpr uint8_t kAcknowledgeByte = 0x06;
inline constexpr uint8_t kDiscardByte = 0x15;

struct Header {
    FrameType type = FrameType::Send;
    uint32_t terminal = 0;
    uint32_t session = 0;
    uint16_t seq = 0;
    uint16_t ack = 0;
    uint8_t command = 0;
    uint8_t flags = 0;
    uint16_t index = 0;
    uint32_t length = 0;  // payload bytes

    bool has_index() const { return (flags & kFlagIndex) != 0; }
};

struct Frame {
    Header header;
    std::vector<uint8_t> payload;
};

// Appends the encoded frame to `out`; header.length is taken from `size`.
void encode(std::vector<uint8_t>& out, Header header, const uint8_t* payload, std::size_t size);
std::vector<uint8_t> encode(const Frame& frame);

// Reads a header from kHeaderSize bytes; false when the sync bytes, version,
// type, length or CRC-16 are wrong.
bool decode_header(const uint8_t* bytes, Header& header);

}  // namespace corvo::link
