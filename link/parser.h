// Cuts a byte stream into frames. Bytes may arrive split or coalesced in any
// way; garbage before a frame and frames with a bad header are skipped one
// byte at a time until the next valid header, and a frame whose CRC-32 fails
// is reported (with its header) and dropped whole.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "link/frame.h"

namespace corvo::link {

class Parser {
public:
    enum class Event {
        None,     // nothing complete yet
        Frame,    // a valid frame was stored in `frame`
        Corrupt,  // a frame with a valid header but a bad CRC-32; its header is in `frame.header`
    };

    void feed(const uint8_t* data, std::size_t size);
    Event next(Frame& frame);
    void clear();

    std::size_t skipped_bytes() const { return skipped_; }
    std::size_t buffered() const { return buffer_.size() - start_; }

private:
    std::vector<uint8_t> buffer_;
    std::size_t start_ = 0;
    std::size_t skipped_ = 0;
};

}  // namespace corvo::link
