// The exchange engine and the terminal endpoint together, over an in-memory
// line that loses, damages or repeats chosen frames: nothing handed over is
// ever lost or delivered twice, and a command is carried out once.
#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "link/client.h"
#include "link/server.h"

namespace corvo::link {
namespace {

// A terminal that hands out the numbers 1, 2, 3, ... one per receive of
// command 204, and counts the commands it carried out.
class CountingTerminal : public Handler {
public:
    Reply handle(const Request& r) override {
        ++handled[r.command];
        if (r.type == FrameType::Send) {
            if (r.command == 99) return Reply::refused(Status::UnknownCommand);
            last_payload = r.payload;
            last_index = r.has_index ? int(r.index) : -1;
            return Reply::accepted();
        }
        if (r.command != 204 || r.expected_length != 2) return Reply::refused(Status::BadLength);
        if (head > last) return Reply::refused(Status::NothingToGive);
        return Reply::answer({static_cast<uint8_t>(head >> 8), static_cast<uint8_t>(head)}, true);
    }
    void commit(uint32_t) override { ++head; }
    void discard(uint32_t) override {}

    std::map<uint8_t, int> handled;
    std::vector<uint8_t> last_payload;
    int last_index = -2;
    int head = 1;
    int last = 0;
};

// What the line does to the n-th frame in one direction.
enum class Fault { Drop, Corrupt, Twice };

// The client's stream: each write goes through the line to the endpoint, and
// the endpoint's answer comes back through the line into the read queue.
class Line : public Stream {
public:
    explicit Line(Endpoint& e) : endpoint_(e) {}
    bool write(const uint8_t* data, std::size_t size) override {
        if (closed) return false;
        std::vector<uint8_t> bytes(data, data + size);
        if (!pass(bytes, to_terminal, sent_)) return true;
        parser_.feed(bytes.data(), bytes.size());
        Frame f;
        Parser::Event ev;
        std::vector<uint8_t> out;
        while ((ev = parser_.next(f)) != Parser::Event::None) {
            if (ev == Parser::Event::Frame)
                endpoint_.on_frame(f, out);
            else
                endpoint_.on_corrupt(f.header, out);
        }
        if (!out.empty() && pass(out, to_host, answered_)) queue_.insert(queue_.end(), out.begin(), out.end());
        return true;
    }
    int read(uint8_t* buffer, std::size_t capacity, int) override {
        if (queue_.empty()) return closed ? -1 : 0;
        const std::size_t n = std::min(capacity, queue_.size());
        for (std::size_t i = 0; i < n; ++i) {
            buffer[i] = queue_.front();
            queue_.pop_front();
        }
        return static_cast<int>(n);
    }

    std::map<int, Fault> to_terminal, to_host;  // by frame number from 0
    bool closed = false;

private:
    // Applies the fault planned for this frame; false when it is lost.
    bool pass(std::vector<uint8_t>& bytes, std::map<int, Fault>& plan, int& counter) {
        auto it = plan.find(counter++);
        if (it == plan.end()) return true;
        switch (it->second) {
            case Fault::Drop: return false;
            case Fault::Corrupt: bytes[bytes.size() / 2] ^= 0x40; return true;
            case Fault::Twice: {
                const std::vector<uint8_t> copy = bytes;
                bytes.insert(bytes.end(), copy.begin(), copy.end());
                return true;
            }
        }
        return true;
    }
    Endpoint& endpoint_;
    Parser parser_;
    std::deque<uint8_t> queue_;
    int sent_ = 0, answered_ = 0;
};

struct Rig {
    CountingTerminal terminal;
    Endpoint endpoint{terminal};
    Line line{endpoint};
    Sequencer seq{0x1234};
    Client client{line, seq, Settings{2, 4}};
};

TEST(Exchange, SendOutcomes) {
    Rig rig;
    const uint8_t data[3] = {1, 2, 3};
    EXPECT_EQ(Client::Outcome::Accepted, rig.client.send(1, 100, data, 3));
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), rig.terminal.last_payload);
    EXPECT_EQ(-1, rig.terminal.last_index);
    EXPECT_EQ(Client::Outcome::Accepted, rig.client.send(1, 136, data, 3, uint16_t{1}));
    EXPECT_EQ(1, rig.terminal.last_index);
    EXPECT_EQ(Client::Outcome::Refused, rig.client.send(1, 99, nullptr, 0));
    EXPECT_EQ(Client::Outcome::Refused, rig.client.send(1, 100, nullptr, 3));  // no data for 3 bytes
    rig.line.closed = true;
    EXPECT_EQ(Client::Outcome::Failed, rig.client.send(1, 100, data, 3));
    EXPECT_TRUE(rig.client.broken());
}

TEST(Exchange, ReceiveWritesExactlyTheLengthAskedFor) {
    Rig rig;
    rig.terminal.last = 5;
    uint8_t buf[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(Client::Outcome::Refused, rig.client.receive(1, 204, buf, 3, false));  // terminal refuses length 3
    EXPECT_EQ((std::vector<uint8_t>{0xEE, 0xEE, 0xEE, 0xEE}), std::vector<uint8_t>(buf, buf + 4));
    EXPECT_EQ(Client::Outcome::Accepted, rig.client.receive(1, 204, buf, 2, false));
    EXPECT_EQ((std::vector<uint8_t>{0, 1, 0xEE, 0xEE}), std::vector<uint8_t>(buf, buf + 4));
}

// Collects every number the terminal holds, with a planned fault on the
// line; returns what was delivered to the caller.
std::vector<int> collect(Rig& rig, int count, bool acknowledge) {
    rig.terminal.last = count;
    std::vector<int> got;
    for (int calls = 0; calls < 3 * count + 10; ++calls) {
        uint8_t buf[2];
        const auto r = rig.client.receive(1, 204, buf, 2, acknowledge);
        if (r == Client::Outcome::Accepted) got.push_back(buf[0] * 256 + buf[1]);
        if (r == Client::Outcome::Refused) break;  // nothing left
    }
    return got;
}

TEST(Exchange, FaultsNeverLoseOrDuplicateWhatIsHandedOver) {
    struct Case {
        const char* name;
        std::map<int, Fault> to_terminal, to_host;
    } cases[] = {
        {"clean line", {}, {}},
        {"request lost", {{3, Fault::Drop}}, {}},
        {"answer lost", {}, {{2, Fault::Drop}}},
        {"answer lost on every attempt", {}, {{2, Fault::Drop}, {3, Fault::Drop}, {4, Fault::Drop}, {5, Fault::Drop}, {6, Fault::Drop}}},
        {"request damaged", {{2, Fault::Corrupt}}, {}},
        {"answer damaged", {}, {{1, Fault::Corrupt}}},
        {"request doubled", {{4, Fault::Twice}}, {}},
        {"answer doubled", {}, {{0, Fault::Twice}, {3, Fault::Twice}}},
        {"mixed", {{1, Fault::Drop}, {5, Fault::Corrupt}, {6, Fault::Twice}}, {{2, Fault::Corrupt}, {4, Fault::Drop}}},
    };
    for (bool acknowledge : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (acknowledge ? " (acknowledged)" : " (no reply)"));
            Rig rig;
            rig.line.to_terminal = c.to_terminal;
            rig.line.to_host = c.to_host;
            const auto got = collect(rig, 6, acknowledge);
            EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6}), got);
        }
    }
}

TEST(Exchange, RetransmittedCommandIsCarriedOutOnce) {
    Rig rig;
    rig.line.to_host = {{0, Fault::Drop}, {1, Fault::Corrupt}};
    const uint8_t data[1] = {7};
    EXPECT_EQ(Client::Outcome::Accepted, rig.client.send(1, 100, data, 1));
    EXPECT_EQ(1, rig.terminal.handled[100]);
    EXPECT_EQ(2u, rig.endpoint.replays());
}

TEST(Exchange, NewSessionIsNeverServedAStaleAnswer) {
    Rig rig;
    const uint8_t a[1] = {1}, b[1] = {2};
    ASSERT_EQ(Client::Outcome::Accepted, rig.client.send(1, 100, a, 1));
    // A second back-end whose numbering starts at the same point.
    Sequencer other(0x1234);
    Client second(rig.line, other, Settings{2, 1});
    ASSERT_EQ(Client::Outcome::Accepted, second.send(1, 100, b, 1));
    EXPECT_EQ(2, rig.terminal.handled[100]);
    EXPECT_EQ((std::vector<uint8_t>{2}), rig.terminal.last_payload);
}

TEST(Exchange, TerminalsAreNumberedApart) {
    Rig rig;
    rig.terminal.last = 100;
    uint8_t buf[2];
    ASSERT_EQ(Client::Outcome::Accepted, rig.client.receive(1, 204, buf, 2, false));
    // Terminal 2's exchange does not acknowledge terminal 1's answer.
    ASSERT_EQ(Client::Outcome::Accepted, rig.client.send(2, 10, nullptr, 0));
    EXPECT_EQ(1, rig.terminal.head);
    ASSERT_EQ(Client::Outcome::Accepted, rig.client.send(1, 10, nullptr, 0));
    EXPECT_EQ(2, rig.terminal.head);
}

TEST(Exchange, TerminalsBeyondTheCapAreRefusedAndNeverMade) {
    Rig rig;
    rig.endpoint.set_max_terminals(2);
    uint8_t buf[2] = {0xAA, 0xAA};
    const struct {
        uint32_t terminal;
        Client::Outcome outcome;
    } rows[] = {{1, Client::Outcome::Accepted}, {2, Client::Outcome::Accepted}, {3, Client::Outcome::Refused},
                {4000000000u, Client::Outcome::Refused}, {1, Client::Outcome::Accepted}};
    for (const auto& r : rows) EXPECT_EQ(r.outcome, rig.client.send(r.terminal, 10, nullptr, 0)) << r.terminal;
    EXPECT_EQ(3, rig.terminal.handled[10]);
    EXPECT_EQ(2u, rig.endpoint.memory().size());
    EXPECT_EQ(2u, rig.endpoint.refused_terminals());
    // A receive for a new terminal is refused too, its buffer untouched.
    EXPECT_EQ(Client::Outcome::Refused, rig.client.receive(5, 204, buf, 2, false));
    EXPECT_EQ(0xAA, buf[0]);
    EXPECT_EQ(0, rig.terminal.handled[204]);
}

}  // namespace
}  // namespace corvo::link
