// Online operation: the action commands without payload, the display and
// entry-form commands, the printer, sensors and the online event queue.
#include <algorithm>

#include "sim/bank.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;
using Fn = CommandFn;

Reply action(Terminal& t, TerminalBank&, const Request& r) {
    switch (r.command) {
        case 1: ++t.relays[0].pulses; break;
        case 2: ++t.relays[1].pulses; break;
        case 3: ++t.denied; break;
        case 4: t.relays[0].held = true; break;
        case 5: t.relays[1].held = true; break;
        case 6: t.relays[0].held = false; break;
        case 7: t.relays[1].held = false; break;
        case 8: ++t.short_beeps; break;
        case 9: ++t.long_beeps; break;
        case 10: ++t.pings; break;
        case 11: ++t.online_resets; break;
        case 12: case 23: ++t.turnstile_exit; break;
        case 13: case 24: ++t.turnstile_entry; break;
        case 14: t.backlight = true; break;
        case 15: t.backlight = false; break;
        case 16: ++t.turnstile_both; break;
        case 17: t.intermittent_beep = true; break;
        case 18: t.intermittent_beep = false; break;
        case 21: ++t.cards_returned; break;
        case 22: ++t.cards_retained; break;
        case 26: t.online = true; ++t.raises; break;
        case 27: t.red_led = true; break;
        case 28: t.red_led = false; break;
        default: return Reply::refused(link::Status::UnknownCommand);
    }
    return Reply::accepted();
}

Reply display(Terminal& t, TerminalBank&, const Request& r) {
    const Bytes message(r.payload.begin(), r.payload.begin() + 32);
    if (r.payload[32] == 0xFF) {
        t.display_standard = message;
    } else {
        t.display_temporary = message;
        t.display_time = r.payload[32];
    }
    return Reply::accepted();
}

Reply entry_forms(Terminal& t, TerminalBank&, const Request& r) {
    std::array<uint8_t, 5> f{};
    std::copy(r.payload.begin(), r.payload.end(), f.begin());
    t.entry_forms = f;
    return Reply::accepted();
}

Reply printer(Terminal& t, TerminalBank&, const Request& r) {
    const uint8_t marker = r.payload[254];
    if (marker != (r.command == 109 ? 0x00 : 0xFF)) return Reply::refused(link::Status::BadContents);
    std::string text(r.payload.begin(), r.payload.begin() + 254);
    text.erase(text.find_last_not_of(' ') + 1);
    t.printed.emplace_back(marker, text);
    if (t.printed.size() > 100) t.printed.erase(t.printed.begin());
    return Reply::accepted();
}

Reply online_change(Terminal& t, TerminalBank&, const Request& r) {
    std::array<uint8_t, 72> b{};
    std::copy(r.payload.begin(), r.payload.end(), b.begin());
    t.online_change = b;
    return Reply::accepted();
}

Reply next_event(Terminal& t, TerminalBank&, const Request&) {
    if (t.events.empty()) return Reply::refused(link::Status::NothingToGive);
    t.handed = Terminal::Handed::Event;
    return Reply::answer(Bytes(t.events.front().begin(), t.events.front().end()), true);
}

Reply event_waiting(Terminal& t, TerminalBank&, const Request&) {
    return Reply::answer({static_cast<uint8_t>(t.events.empty() ? 0 : 1)});
}

Reply sensors(Terminal& t, TerminalBank&, const Request& r) {
    if (r.expected_length != 1 && r.expected_length != 3) return Reply::refused(link::Status::BadLength);
    return Reply::answer(Bytes(t.sensors.begin(), t.sensors.begin() + r.expected_length));
}
}  // namespace

void add_online_commands(CommandTable& table) {
    for (uint8_t code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23, 24, 26, 27, 28})
        table.on_send(code, 0, action);
    table.on_send(104, 33, display);
    table.on_send(107, 5, entry_forms);
    table.on_send(109, 255, printer);
    table.on_send(127, 255, printer);
    table.on_send(114, 72, online_change);
    table.on_receive(207, 22, next_event);
    table.on_receive(208, -1, sensors);
    table.on_receive(215, 1, event_waiting);
}

}  // namespace corvo::sim
