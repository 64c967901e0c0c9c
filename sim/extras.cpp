// Device extras: the extended request (turnstile counters, smart card), the
// firmware version and the network module's keep-alive time.
#include <algorithm>

#include "sim/kept_block.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;

// The four areas of the smart card at the reader (10, 16, 16 and 16 bytes).
Bytes smart_card_areas(uint8_t area) {
    Bytes a(kSmartCardAreasSize);
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = static_cast<uint8_t>(area * 16 + i);
    return a;
}

Reply extended(Terminal& t, TerminalBank&, const Request& r) {
    const auto& p = r.payload;
    Bytes answer(kExtendedSize, 0xFF);
    answer[0] = p[0];
    answer[1] = p[1];
    const auto data = answer.begin() + kExtendedData;
    if (p[0] == kExtendedCounters && p[1] == kExtendedWriteCounters) {  // the three counters, as given
        std::copy(p.begin() + kExtendedData, p.begin() + kExtendedData + kCountersSize, t.counters.begin());
        std::copy(t.counters.begin(), t.counters.end(), data);
    } else if (p[0] == kExtendedCounters && p[1] == kExtendedReadCounters) {
        std::copy(t.counters.begin(), t.counters.end(), data);
    } else if (p[0] == kExtendedSmartCard) {
        const Bytes areas = smart_card_areas(p[1]);
        std::copy(areas.begin(), areas.end(), data);
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

Reply keep_alive(Terminal& t, TerminalBank&, const Request& r) {
    t.keep_alive = get_u32_be(r.payload.data());
    return Reply::accepted();
}
}  // namespace

void add_extras_commands(CommandTable& table) {
    table.on_send(kExtended, kExtendedSize, extended);
    table.on_receive(kExtendedAnswer, kExtendedSize, extended_answer);
    table.on_receive(kFirmware, kFirmwareSize, give_block<&Terminal::firmware>);
    table.on_send(kKeepAlive, kKeepAliveSize, keep_alive);
}

}  // namespace corvo::sim
