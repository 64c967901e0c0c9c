#include "link/parser.h"

#include "link/crc.h"

namespace corvo::link {

void Parser::feed(const uint8_t* data, std::size_t size) {
    if (start_ > 0 && start_ == buffer_.size()) {
        buffer_.clear();
        start_ = 0;
    } else if (start_ > 64 * 1024) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(start_));
        start_ = 0;
    }
    buffer_.insert(buffer_.end(), data, data + size);
}

void Parser::clear() {
    buffer_.clear();
    start_ = 0;
}

Parser::Event Parser::next(Frame& frame) {
    for (;;) {
        const std::size_t avail = buffer_.size() - start_;
        const uint8_t* p = buffer_.data() + start_;
        // Find the first sync byte.
        std::size_t i = 0;
        while (i < avail && p[i] != kSync0) ++i;
        start_ += i;
        skipped_ += i;
        if (avail - i < kHeaderSize) return Event::None;
        p += i;
        Header h;
        if (!decode_header(p, h)) {
            ++start_;
            ++skipped_;
            continue;
        }
        const std::size_t total = kHeaderSize + h.length + kTrailerSize;
        if (avail - i < total) return Event::None;
        const uint32_t want = varanda::wire::get_u32_le(p + kHeaderSize + h.length);
        frame.header = h;
        start_ += total;
        if (crc32(p, kHeaderSize + h.length) != want) {
            frame.payload.clear();
            return Event::Corrupt;
        }
        frame.payload.assign(p + kHeaderSize, p + kHeaderSize + h.length);
        return Event::Frame;
    }
}

}  // namespace corvo::link
