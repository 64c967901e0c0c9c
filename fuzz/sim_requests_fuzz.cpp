// corvo-sim's terminal bank behind its link endpoint: any command code,
// payload and length, in any order, on several terminals, with
// acknowledgements, negative acknowledgements, damaged frames and
// retransmissions between. Every answer must be one well-formed frame for
// the request's terminal and sequence number.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "fuzz_check.h"
#include "link/parser.h"
#include "link/server.h"
#include "sim/bank.h"

using namespace corvo::link;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    corvo::sim::TerminalBank bank(7);
    Endpoint endpoint(bank);
    uint16_t seq[4] = {};
    Frame last;
    for (int n = 0; n < 64 && in.remaining_bytes() > 0; ++n) {
        Frame f;
        Header& h = f.header;
        const uint8_t kind = in.ConsumeIntegralInRange<uint8_t>(0, 5);
        h.terminal = in.ConsumeIntegralInRange<uint32_t>(0, 3);
        h.session = in.ConsumeBool() ? 0x1357u : in.ConsumeIntegral<uint32_t>();
        if (kind == 5 && n > 0) {
            f = last;  // a retransmission
        } else if (kind >= 3) {
            h.type = FrameType::Response;
            h.ack = in.ConsumeBool() ? seq[h.terminal] : in.ConsumeIntegral<uint16_t>();
            h.seq = h.ack;
            f.payload = {in.ConsumeBool() ? uint8_t{6} : in.ConsumeIntegral<uint8_t>()};
        } else {
            h.type = kind == 0 ? FrameType::Send : FrameType::Receive;
            h.command = in.ConsumeIntegral<uint8_t>();
            h.ack = in.ConsumeBool() ? seq[h.terminal] : in.ConsumeIntegral<uint16_t>();
            h.seq = seq[h.terminal] = static_cast<uint16_t>(seq[h.terminal] + 1);
            if (in.ConsumeBool()) {
                h.flags = kFlagIndex;
                h.index = in.ConsumeIntegral<uint16_t>();
            }
            if (h.type == FrameType::Receive && in.ConsumeBool()) {
                f.payload.resize(4);
                varanda::wire::put_u32_le(f.payload.data(), in.ConsumeIntegralInRange<uint32_t>(0, 2048));
            } else {
                f.payload = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 1100));
            }
        }
        h.length = static_cast<uint32_t>(f.payload.size());
        std::vector<uint8_t> out;
        if (kind == 2 && in.ConsumeBool())
            endpoint.on_corrupt(h, out);
        else
            endpoint.on_frame(f, out);
        last = f;

        Parser p;
        p.feed(out.data(), out.size());
        Frame answer;
        int answers = 0;
        while (p.next(answer) == Parser::Event::Frame) {
            ++answers;
            FUZZ_CHECK(answer.header.terminal == h.terminal && answer.header.seq == h.seq);
            FUZZ_CHECK(answer.header.type == FrameType::Result || answer.header.type == FrameType::Data ||
                       answer.header.type == FrameType::Nak);
        }
        FUZZ_CHECK(p.buffered() == 0 && answers <= 1);
        FUZZ_CHECK(answers == 1 || h.type == FrameType::Response || out.empty());
    }
    return 0;
}
