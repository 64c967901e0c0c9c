// Device extras: the extended request (turnstile counters, smart card), the
// firmware version and the network module's keep-alive time.
#include <algorithm>

#include "sim/bank.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;

// The four areas of the smart card at the reader (10, 16, 16 and 16 bytes).
Bytes smart_card_areas(uint8_t area) {
    Bytes a(58);
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = static_cast<uint8_t>(area * 16 + i);
    return a;
}

Reply extended(Terminal& t, TerminalBank&, const Request& r) {
    const auto& p = r.payload;
    Bytes answer(66, 0xFF);
    answer[0] = p[0];
    answer[1] = p[1];
    if (p[0] == 1 && p[1] == 1) {  // write the three counters, as given
        std::copy(p.begin() + 2, p.begin() + 14, t.counters.begin());
        std::copy(t.counters.begin(), t.counters.end(), answer.begin() + 2);
    } else if (p[0] == 1 && p[1] == 2) {  // read them
        std::copy(t.counters.begin(), t.counters.end(), answer.begin() + 2);
    } else if (p[0] == 4) {  // read the smart card
        const Bytes areas = smart_card_areas(p[1]);
        std::copy(areas.begin(), areas.end(), answer.begin() + 2);
    } else {
        return Reply::refused(link::Status::BadContents);
    }
    t.extended_answer = answer;
    return Reply::accepted();
}

Reply extended_answer(Terminal& t, TerminalBank&, const Request&) {
    if (t.extended_answer.empty()) return Reply::refused(link::Status::NothingToGive);
    return Reply::answer(t.extended_answer);
}

Reply firmware(Terminal& t, TerminalBank&, const Request&) { return Reply::answer(Bytes(t.firmware.begin(), t.firmware.end())); }

Reply keep_alive(Terminal& t, TerminalBank&, const Request& r) {
    const auto& p = r.payload;
    t.keep_alive = static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 | p[3];
    return Reply::accepted();
}
}  // namespace

void add_extras_commands(CommandTable& table) {
    table.on_send(125, 66, extended);
    table.on_receive(225, 66, extended_answer);
    table.on_receive(250, 16, firmware);
    table.on_send(198, 4, keep_alive);
}

}  // namespace corvo::sim
