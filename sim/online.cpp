// Online operation: the action commands without payload, the display and
// entry-form commands, the printer, sensors and the online event queue.
#include "sim/kept_block.h"

namespace corvo::sim {

namespace {
constexpr std::size_t kMaxPrinted = 100;  // the printer's texts kept, the latest
using link::Reply;
using link::Request;

struct Action {
    uint8_t code;
    void (*act)(Terminal& t);
};

constexpr Action kActions[] = {
    {kPulseRelay1, [](Terminal& t) { ++t.relays[0].pulses; }},
    {kPulseRelay2, [](Terminal& t) { ++t.relays[1].pulses; }},
    {kDenyAccess, [](Terminal& t) { ++t.denied; }},
    {kHoldRelay1, [](Terminal& t) { t.relays[0].held = true; }},
    {kHoldRelay2, [](Terminal& t) { t.relays[1].held = true; }},
    {kReleaseRelay1, [](Terminal& t) { t.relays[0].held = false; }},
    {kReleaseRelay2, [](Terminal& t) { t.relays[1].held = false; }},
    {kShortBeep, [](Terminal& t) { ++t.short_beeps; }},
    {kLongBeep, [](Terminal& t) { ++t.long_beeps; }},
    {kPing, [](Terminal& t) { ++t.pings; }},
    {kResetOnline, [](Terminal& t) { ++t.online_resets; }},
    {kTurnstileExit, [](Terminal& t) { ++t.turnstile_exit; }},
    {kTurnstileExitToo, [](Terminal& t) { ++t.turnstile_exit; }},
    {kTurnstileEntry, [](Terminal& t) { ++t.turnstile_entry; }},
    {kTurnstileEntryToo, [](Terminal& t) { ++t.turnstile_entry; }},
    {kBacklightOn, [](Terminal& t) { t.backlight = true; }},
    {kBacklightOff, [](Terminal& t) { t.backlight = false; }},
    {kTurnstileBoth, [](Terminal& t) { ++t.turnstile_both; }},
    {kIntermittentBeepOn, [](Terminal& t) { t.intermittent_beep = true; }},
    {kIntermittentBeepOff, [](Terminal& t) { t.intermittent_beep = false; }},
    {kReturnCard, [](Terminal& t) { ++t.cards_returned; }},
    {kRetainCard, [](Terminal& t) { ++t.cards_retained; }},
    {kRaiseOnline, [](Terminal& t) { t.online = true; ++t.raises; }},
    {kRedLedOn, [](Terminal& t) { t.red_led = true; }},
    {kRedLedOff, [](Terminal& t) { t.red_led = false; }},
};

Reply action(Terminal& t, TerminalBank&, const Request& r) {
    for (const Action& a : kActions)
        if (a.code == r.command) {
            a.act(t);
            return Reply::accepted();
        }
    return Reply::refused(link::Status::UnknownCommand);
}

Reply display(Terminal& t, TerminalBank&, const Request& r) {
    const Bytes message(r.payload.begin(), r.payload.begin() + kMessageSize);
    if (r.payload[kMessageSize] == kDisplayStandard) {
        t.display_standard = message;
    } else {
        t.display_temporary = message;
        t.display_time = r.payload[kMessageSize];
    }
    return Reply::accepted();
}

Reply printer(Terminal& t, TerminalBank&, const Request& r) {
    const uint8_t marker = r.payload[kPrintTextSize];
    if (marker != (r.command == kPrint ? 0x00 : 0xFF)) return Reply::refused(link::Status::BadContents);
    std::string text(r.payload.begin(), r.payload.begin() + kPrintTextSize);
    text.erase(text.find_last_not_of(' ') + 1);
    t.printed.emplace_back(marker, text);
    if (t.printed.size() > kMaxPrinted) t.printed.erase(t.printed.begin());
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
    for (const Action& a : kActions) table.on_send(a.code, 0, action);
    table.on_send(kDisplay, kDisplaySize, display);
    table.on_send(kEntryForms, kEntryFormsSize, keep_block<&Terminal::entry_forms>);
    table.on_send(kPrint, kPrintSize, printer);
    table.on_send(kPrintMarked, kPrintSize, printer);
    table.on_send(kOnlineChange, kOnlineChangeSize, keep_block<&Terminal::online_change>);
    table.on_receive(kNextEvent, kEventSize, next_event);
    table.on_receive(kSensors, kAnyLength, sensors);
    table.on_receive(kEventWaiting, 1, event_waiting);
}

}  // namespace corvo::sim
