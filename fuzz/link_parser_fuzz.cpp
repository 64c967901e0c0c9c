// The link's frame parser fed any stream: in one piece and cut into pieces of
// sizes chosen by the first input byte, it must find the same frames, and
// every frame it hands out must encode back to a frame it would accept.
#include <cstdint>
#include <vector>

#include "fuzz_check.h"
#include "link/frame.h"
#include "link/parser.h"

using corvo::link::Frame;
using corvo::link::Parser;

namespace {
struct Found {
    Parser::Event event;
    std::vector<uint8_t> bytes;  // the frame encoded again (the header only for a corrupt one)
    bool operator==(const Found&) const = default;
};

void drain(Parser& p, std::vector<Found>& out) {
    Frame f;
    for (Parser::Event ev; (ev = p.next(f)) != Parser::Event::None;) {
        if (ev == Parser::Event::Frame) FUZZ_CHECK(f.payload.size() == f.header.length);
        if (ev == Parser::Event::Corrupt) f.payload.clear();
        std::vector<uint8_t> again = corvo::link::encode(f);
        corvo::link::Header h;
        FUZZ_CHECK(corvo::link::decode_header(again.data(), h));
        if (ev == Parser::Event::Frame) {
            Parser check;
            Frame g;
            check.feed(again.data(), again.size());
            FUZZ_CHECK(check.next(g) == Parser::Event::Frame && g.payload == f.payload);
        }
        out.push_back({ev, std::move(again)});
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    uint32_t cut = data[0] | 1u;
    ++data;
    --size;

    std::vector<Found> whole, pieces;
    Parser a;
    a.feed(data, size);
    drain(a, whole);

    Parser b;
    for (size_t at = 0; at < size;) {
        cut = cut * 1103515245u + 12345u;
        const size_t n = std::min<size_t>(size - at, 1 + (cut >> 16) % 61);
        b.feed(data + at, n);
        drain(b, pieces);
        at += n;
    }
    FUZZ_CHECK(whole == pieces);
    FUZZ_CHECK(a.buffered() == b.buffered() && a.skipped_bytes() == b.skipped_bytes());
    return 0;
}
