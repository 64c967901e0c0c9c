// Framing on its own: check sums, round trips through every way of cutting
// the stream, and refusal of every damaged or malformed frame.
#include <gtest/gtest.h>

#include <random>

#include "link/crc.h"
#include "link/frame.h"
#include "link/parser.h"

namespace corvo::link {
namespace {

std::vector<uint8_t> bytes_of(const char* s) { return std::vector<uint8_t>(s, s + std::char_traits<char>::length(s)); }

TEST(Crc, KnownCheckValues) {
    const auto check = bytes_of("123456789");
    EXPECT_EQ(0x29B1, crc16(check.data(), check.size()));
    EXPECT_EQ(0xCBF43926u, crc32(check.data(), check.size()));
    // Chained in two parts gives the same value.
    EXPECT_EQ(0xCBF43926u, crc32(check.data() + 4, 5, crc32(check.data(), 4)));
}

Frame make(FrameType type, uint32_t terminal, uint16_t seq, uint8_t command, std::vector<uint8_t> payload,
           bool index = false, uint16_t index_value = 0) {
    Frame f;
    f.header.type = type;
    f.header.terminal = terminal;
    f.header.session = 0xA1B2C3D4u;
    f.header.seq = seq;
    f.header.ack = static_cast<uint16_t>(seq - 1);
    f.header.command = command;
    f.header.flags = index ? kFlagIndex : 0;
    f.header.index = index_value;
    f.header.length = static_cast<uint32_t>(payload.size());
    f.payload = std::move(payload);
    return f;
}

// Every header field and the payload (the layout is LayoutOfAHeader's).
void expect_same(const Frame& a, const Frame& b) { EXPECT_EQ(encode(a), encode(b)); }

std::vector<Frame> sample_frames() {
    std::vector<uint8_t> big(65536);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7 + 3);
    return {
        make(FrameType::Send, 1, 1, 10, {}),
        make(FrameType::Send, 0xFFFFFFFFu, 65535, 100, std::vector<uint8_t>(50, 0xC5)),  // sync bytes inside
        make(FrameType::Send, 3, 7, 136, big, true, 1),
        make(FrameType::Receive, 2, 9, 204, {16, 0, 0, 0}),
        make(FrameType::Response, 2, 9, 0, {6}),
        make(FrameType::Result, 2, 9, 117, {5}),
        make(FrameType::Data, 7, 300, 250, std::vector<uint8_t>(16, 0x3A)),
        make(FrameType::Nak, 7, 301, 100, {}),
    };
}

TEST(Frame, LayoutOfAHeader) {
    const auto bytes = encode(make(FrameType::Send, 0x01020304, 0x0506, 0x64, {0xAA, 0xBB}, true, 0x0102));
    ASSERT_EQ(kHeaderSize + 2 + kTrailerSize, bytes.size());
    const std::vector<uint8_t> head(bytes.begin(), bytes.begin() + 24);
    const std::vector<uint8_t> want = {0xC5, 0x3A, 1,    0x01, 4, 3, 2, 1, 0xD4, 0xC3, 0xB2, 0xA1,
                                       0x06, 0x05, 0x05, 0x05, 0x64, 1, 0x02, 0x01, 2, 0, 0, 0};
    EXPECT_EQ(want, head);
    EXPECT_EQ(crc16(bytes.data(), 24), (bytes[24] << 8) | bytes[25]);
    EXPECT_EQ(0xAA, bytes[26]);
    EXPECT_EQ(crc32(bytes.data(), 28), varanda::wire::get_u32_le(bytes.data() + 28));
}

TEST(Parser, RoundTripsThroughEveryCut) {
    const auto frames = sample_frames();
    std::vector<uint8_t> stream;
    for (const Frame& f : frames) {
        const auto e = encode(f);
        stream.insert(stream.end(), e.begin(), e.end());
    }
    std::mt19937 rng(42);
    struct Cut {
        const char* name;
        std::function<std::size_t()> next;  // size of the next piece
    } cuts[] = {
        {"whole", [&] { return stream.size(); }},
        {"byte by byte", [] { return std::size_t{1}; }},
        {"random pieces", [&] { return std::size_t{1} + rng() % 97; }},
    };
    for (auto& cut : cuts) {
        SCOPED_TRACE(cut.name);
        Parser p;
        std::vector<Frame> got;
        for (std::size_t at = 0; at < stream.size();) {
            const std::size_t n = std::min(cut.next(), stream.size() - at);
            p.feed(stream.data() + at, n);
            at += n;
            Frame f;
            Parser::Event ev;
            while ((ev = p.next(f)) != Parser::Event::None) {
                ASSERT_EQ(Parser::Event::Frame, ev);
                got.push_back(f);
            }
        }
        ASSERT_EQ(frames.size(), got.size());
        for (std::size_t i = 0; i < frames.size(); ++i) expect_same(frames[i], got[i]);
        EXPECT_EQ(0u, p.skipped_bytes());
        EXPECT_EQ(0u, p.buffered());
    }
}

TEST(Parser, EveryBitFlipIsRefused) {
    for (const Frame& original : {make(FrameType::Send, 5, 2, 100, {1, 2, 3, 4, 5, 6, 7, 8}),
                                  make(FrameType::Data, 5, 2, 204, {0, 0, 0xFF, 0x10})}) {
        const auto good = encode(original);
        for (std::size_t byte = 0; byte < good.size(); ++byte) {
            for (int bit = 0; bit < 8; ++bit) {
                auto bad = good;
                bad[byte] ^= static_cast<uint8_t>(1u << bit);
                Parser p;
                p.feed(bad.data(), bad.size());
                Frame f;
                Parser::Event ev;
                while ((ev = p.next(f)) != Parser::Event::None)
                    ASSERT_NE(Parser::Event::Frame, ev) << "byte " << byte << " bit " << bit;
                // The same parser still takes the next good frame.
                p.feed(good.data(), good.size());
                while ((ev = p.next(f)) == Parser::Event::Corrupt) {
                }
                ASSERT_EQ(Parser::Event::Frame, ev) << "byte " << byte << " bit " << bit;
                expect_same(original, f);
            }
        }
    }
}

TEST(Parser, DamagedBodyIsReportedWithItsHeader) {
    auto bytes = encode(make(FrameType::Send, 9, 44, 106, std::vector<uint8_t>(416, 0x20)));
    bytes[kHeaderSize + 100] ^= 0x01;
    Parser p;
    p.feed(bytes.data(), bytes.size());
    Frame f;
    ASSERT_EQ(Parser::Event::Corrupt, p.next(f));
    EXPECT_EQ(9u, f.header.terminal);
    EXPECT_EQ(44u, f.header.seq);
    EXPECT_EQ(Parser::Event::None, p.next(f));
    EXPECT_EQ(0u, p.buffered());
}

TEST(Parser, MalformedHeadersAndTruncationsAreRefused) {
    const auto good = encode(make(FrameType::Send, 1, 1, 101, {1, 2, 3, 4, 5}));
    auto reheader = [](std::vector<uint8_t> b, std::size_t at, uint8_t v) {
        b[at] = v;
        const uint16_t hc = crc16(b.data(), 24);
        b[24] = static_cast<uint8_t>(hc >> 8);
        b[25] = static_cast<uint8_t>(hc);
        return b;
    };
    std::vector<uint8_t> too_long = good;
    ASSERT_GE(too_long.size(), kHeaderSize);
    varanda::wire::put_u32_le(too_long.data() + 20, kMaxPayload + 1);
    too_long = reheader(too_long, 20, too_long[20]);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"version 2", reheader(good, 2, 2)},
        {"unknown type", reheader(good, 3, 0x44)},
        {"length above the maximum", too_long},
        {"length one short", reheader(good, 20, 4)},
        {"only the header", std::vector<uint8_t>(good.begin(), good.begin() + kHeaderSize)},
        {"all but the last byte", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"garbage", std::vector<uint8_t>(200, 0xC5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Parser p;
        p.feed(c.bytes.data(), c.bytes.size());
        Frame f;
        Parser::Event ev;
        while ((ev = p.next(f)) != Parser::Event::None) EXPECT_NE(Parser::Event::Frame, ev);
    }
}

TEST(Parser, GarbageBetweenFramesIsSkipped) {
    const Frame a = make(FrameType::Send, 1, 1, 1, {});
    const Frame b = make(FrameType::Send, 1, 2, 100, std::vector<uint8_t>(50, 0));
    std::vector<uint8_t> stream = {0x00, 0xC5, 0x3A, 0x01, 0xFF};
    auto ea = encode(a), eb = encode(b);
    stream.insert(stream.end(), ea.begin(), ea.end());
    stream.insert(stream.end(), {0xC5, 0xC5, 0x3A, 0x3A});
    stream.insert(stream.end(), eb.begin(), eb.end());
    Parser p;
    p.feed(stream.data(), stream.size());
    Frame f;
    ASSERT_EQ(Parser::Event::Frame, p.next(f));
    expect_same(a, f);
    ASSERT_EQ(Parser::Event::Frame, p.next(f));
    expect_same(b, f);
    EXPECT_EQ(Parser::Event::None, p.next(f));
    EXPECT_EQ(9u, p.skipped_bytes());
}

}  // namespace
}  // namespace corvo::link
