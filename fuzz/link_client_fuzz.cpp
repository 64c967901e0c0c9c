// The back-end's exchange engine facing a hostile terminal. The stream's
// answers come from the input: silence, raw bytes, or frames built on the
// request just written (with the right or a wrong terminal, sequence number,
// session, type, length or CRC), and, once the input is used up, either a
// closed stream or garbage without end. Every exchange must end (within its
// time-out), and a receive writes its whole buffer or nothing.
#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "link/client.h"
#include "link/crc.h"

using namespace corvo::link;

namespace {

class HostileStream : public Stream {
public:
    explicit HostileStream(FuzzedDataProvider& in) : in_(in) {}

    bool write(const uint8_t* data, std::size_t size) override {
        Header h;
        if (size >= kHeaderSize && decode_header(data, h) && h.type != FrameType::Response) last_ = h;
        return true;
    }

    int read(uint8_t* buffer, std::size_t capacity, int) override {
        if (in_.remaining_bytes() == 0) return endless(buffer, capacity);
        switch (in_.ConsumeIntegralInRange<int>(0, 4)) {
            case 0:
                return 0;  // silence until the time-out
            case 1: {
                const auto raw = in_.ConsumeBytes<uint8_t>(
                    in_.ConsumeIntegralInRange<size_t>(1, std::min<std::size_t>(64, capacity)));
                if (raw.empty()) return 0;
                std::memcpy(buffer, raw.data(), raw.size());
                garbage_.insert(garbage_.end(), raw.begin(), raw.end());
                return static_cast<int>(raw.size());
            }
            case 2:
                return -1;
            default:
                return answer(buffer, capacity);
        }
    }

private:
    // A frame about the last request, each field right or chosen by the input.
    int answer(uint8_t* buffer, std::size_t capacity) {
        Header h;
        const uint8_t wrong = in_.ConsumeIntegral<uint8_t>();
        static constexpr FrameType kTypes[] = {FrameType::Result, FrameType::Data, FrameType::Nak,
                                               FrameType::Send, FrameType::Receive, FrameType::Response};
        h.type = kTypes[in_.ConsumeIntegralInRange<size_t>(0, 5)];
        h.terminal = (wrong & 1) ? in_.ConsumeIntegral<uint32_t>() : last_.terminal;
        h.session = (wrong & 2) ? in_.ConsumeIntegral<uint32_t>() : last_.session;
        h.seq = (wrong & 4) ? in_.ConsumeIntegral<uint16_t>() : last_.seq;
        h.command = last_.command;
        size_t length = in_.ConsumeIntegralInRange<size_t>(0, 300);
        if ((wrong & 8) == 0 && h.type == FrameType::Data && last_.type == FrameType::Receive) length = wanted_;
        if ((wrong & 8) == 0 && h.type == FrameType::Result) length = 1;
        std::vector<uint8_t> payload = in_.ConsumeBytes<uint8_t>(length);
        payload.resize(length, 0);
        std::vector<uint8_t> frame;
        encode(frame, h, payload.data(), payload.size());
        if (wrong & 16) frame.back() ^= 0x5A;  // a damaged body
        if (wrong & 32) frame.resize(frame.size() / 2);
        const size_t n = std::min(frame.size(), capacity);
        std::memcpy(buffer, frame.data(), n);
        return static_cast<int>(n);
    }

    int endless(uint8_t* buffer, std::size_t capacity) {
        if (garbage_.empty()) return -1;
        const size_t n = std::min(garbage_.size(), capacity);
        std::memcpy(buffer, garbage_.data(), n);
        return static_cast<int>(n);
    }

public:
    uint32_t wanted_ = 0;

private:
    FuzzedDataProvider& in_;
    Header last_;
    std::vector<uint8_t> garbage_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    HostileStream stream(in);
    Sequencer sequencer(0x2468ACE1u);
    Client client(stream, sequencer, Settings{2, 1});
    for (int call = 0; call < 8 && in.remaining_bytes() > 0 && !client.broken(); ++call) {
        const uint32_t terminal = in.ConsumeIntegralInRange<uint32_t>(0, 3);
        const uint8_t command = in.ConsumeIntegral<uint8_t>();
        const uint32_t length = in.ConsumeIntegralInRange<uint32_t>(0, 64);
        std::vector<uint8_t> exact(length, 0xA5);
        if (in.ConsumeBool()) {
            client.send(terminal, command, exact.data(), length);
        } else {
            stream.wanted_ = length;
            auto* buffer = new uint8_t[length == 0 ? 1 : length];
            std::memset(buffer, 0xA5, length);
            const auto outcome = client.receive(terminal, command, buffer, length, in.ConsumeBool());
            if (outcome != Client::Outcome::Accepted)
                FUZZ_CHECK(length == 0 || std::memcmp(buffer, exact.data(), length) == 0);
            delete[] buffer;
        }
    }
    return 0;
}
