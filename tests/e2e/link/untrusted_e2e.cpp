// The link spoken directly to corvo-sim, as a back-end would: the emulator
// treats every frame as untrusted (garbage, damaged and truncated frames are
// refused with a Nak or silence) and goes on serving. (What each command does
// to a terminal is checked at the terminal bank, in sim/test.)
#include <gtest/gtest.h>

#include <vector>

#include "link/frame.h"
#include "link/parser.h"
#include "socket_stream.h"
#include "support/sim_test.h"

namespace e2e {
namespace {

using namespace corvo::link;
using Bytes = std::vector<uint8_t>;

class Untrusted : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        ASSERT_TRUE(stream_.connect("127.0.0.1", static_cast<uint16_t>(port_), 2000));
    }
    // A frame for terminal 1 without payload (a ping, unless told otherwise).
    static Bytes frame(uint16_t seq, FrameType type = FrameType::Send, uint8_t command = 10) {
        Header h;
        h.type = type;
        h.terminal = 1;
        h.session = 77;
        h.seq = seq;
        h.command = command;
        Bytes out;
        encode(out, h, nullptr, 0);
        return out;
    }
    void write(const Bytes& b) { ASSERT_TRUE(stream_.write(b.data(), b.size())); }
    // The frames that come back within `ms`.
    std::vector<Frame> answers(int ms) {
        std::vector<Frame> got;
        uint8_t buf[4096];
        int n;
        while ((n = stream_.read(buf, sizeof buf, ms)) > 0) parser_.feed(buf, static_cast<std::size_t>(n));
        Frame f;
        Parser::Event ev;
        while ((ev = parser_.next(f)) != Parser::Event::None)
            if (ev == Parser::Event::Frame) got.push_back(f);
        return got;
    }
    corvo::tcp::SocketStream stream_;
    Parser parser_;
};

TEST_F(Untrusted, DamageIsRefusedAndServiceGoesOn) {
    Bytes damaged = frame(1);
    damaged.back() ^= 0x01;  // the CRC-32
    Bytes truncated = frame(3);
    truncated.resize(20);
    struct Case {
        const char* name;
        Bytes bytes;
        bool nak;  // a Nak comes back; otherwise silence
    } cases[] = {
        {"garbage", Bytes(300, 0xC5), false},
        {"damaged body", damaged, true},
        {"truncated frame", truncated, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write(c.bytes);
        const auto got = answers(150);
        if (c.nak) {
            ASSERT_EQ(1u, got.size());
            EXPECT_EQ(FrameType::Nak, got[0].header.type);
        } else {
            EXPECT_TRUE(got.empty());
        }
    }
    // Whatever is left of the truncated frame is skipped; the next good frame is served.
    const Bytes good = frame(9);
    for (int i = 0; i < 3; ++i) write(good);
    const auto got = answers(300);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(FrameType::Result, got.back().header.type);
    EXPECT_EQ(9u, got.back().header.seq);
    EXPECT_EQ(1, dump(1)["pings"].num());  // once, however often it was repeated
}

// Hostile control clients: one that connects and never sends, a line far
// longer than any command, a line of binary bytes. Each bad line gets an
// error line, the connection stays usable and the link is served throughout.
TEST_F(Untrusted, BadControlLinesAndSilentClientsLeaveTheLinkServed) {
    SimControl silent;
    ASSERT_TRUE(silent.connect(env_port("CORVO_SIM_CONTROL")));
    const struct {
        std::string line;
        std::string answer;
    } cases[] = {
        {std::string(100000, 'x'), "error line longer than 4096 bytes"},
        {std::string("ping\x01\xff", 6), "error not a text line"},
        {"ping", "ok"},
    };
    uint16_t seq = 20;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(c.answer, sim_.command(c.line));
        write(frame(++seq));
        const auto got = answers(300);
        ASSERT_EQ(1u, got.size());
        EXPECT_EQ(FrameType::Result, got[0].header.type);
    }
    EXPECT_EQ(3, dump(1)["pings"].num());
}

TEST_F(Untrusted, ReceiveWithoutItsLengthIsRefused) {
    write(frame(1, FrameType::Receive, 200));
    const auto got = answers(300);
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(FrameType::Result, got[0].header.type);
    EXPECT_EQ((Bytes{2}), got[0].payload);
}

}  // namespace
}  // namespace e2e
