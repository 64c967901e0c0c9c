#include "sim/state_json.h"

#include <cstdio>

#include "sim/json_writer.h"

namespace corvo::sim {

namespace {
std::string two(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

// A display message: its control byte and its two lines.
void message(Json& j, const uint8_t* m) {
    j.begin_object();
    j.field("control", int(m[0]));
    j.field("line1", std::string(m, m + kMessageLine));
    j.field("line2", std::string(m + kMessageLine, m + kMessageSize));
    j.end_object();
}

void config(Json& j, const Terminal& t) {
    const auto& c = t.config;
    j.key("config").begin_object();
    j.field("mode", int(c[kConfigMode]));
    j.field("reader_type", int(c[kConfigReaderType]));
    j.field("company_code", int(get_u16_le(&c[kConfigCompany])));
    j.field("card_digits", int(c[kConfigCardDigits]));
    j.field("master_card", bcd_digits(&c[kConfigMasterCard], kConfigMasterCardSize));
    j.field("online_date_time", int(c[kConfigEventTime]));
    j.key("hex").hex(c.data(), c.size());
    j.end_object();
}

void schedules(Json& j, const Terminal& t) {
    j.key("access_schedules").begin_object();
    j.field("form", t.access_schedules_form);
    j.key("times").begin_array();
    for (int s = 0; s < 100; ++s)
        for (int d = 0; d < 7; ++d)
            for (int k = 0; k < 4; ++k) {
                const std::size_t at = static_cast<std::size_t>(s * 56 + d * 8 + k * 2);
                if (t.access_schedules[at] == 0xFF && t.access_schedules[at + 1] == 0xFF) continue;
                j.begin_object();
                j.field("schedule", s + 1).field("day", d + 1).field("slot", k + 1);
                j.field("time", two(t.access_schedules[at]) + ":" + two(t.access_schedules[at + 1]));
                j.end_object();
            }
    j.end_array().end_object();
    j.key("sirens").begin_object();
    j.field("form", t.sirens_form);
    j.key("times").begin_array();
    for (int e = 0; e < 100; ++e) {
        const uint8_t* p = &t.sirens[static_cast<std::size_t>(e * 3)];
        if (p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
        j.begin_object().field("time", two(p[0]) + ":" + two(p[1])).field("weekdays", int(p[2])).end_object();
    }
    j.end_array().end_object();
}

void bio(Json& j, const BioModule& m) {
    j.key("bio").begin_object();
    j.key("users").begin_array();
    for (const auto& [id, u] : m.users)
        j.begin_object().field("id", id).field("templates", int(u.templates.size())).field("record", !u.record.empty()).end_object();
    j.end_array();
    j.field("answers_waiting", int(m.answers.size()));
    j.key("settings").hex(m.settings);
    j.key("options").begin_array().value(int(m.options[0])).value(int(m.options[1])).end_array();
    j.key("no_fingerprint").begin_object().field("form", m.no_fingerprint_form);
    j.key("ids").begin_array();
    for (const std::string& id : m.no_fingerprint) j.value(id);
    j.end_array().end_object();
    j.end_object();
}

void ossel(Json& j, const OsselModule& m) {
    j.key("ossel").begin_object();
    j.key("users").begin_array();
    for (const OsselUser& u : m.users) j.value(u.id);
    j.end_array();
    j.field("result", int(m.result)).field("network", int(m.network)).field("erase_text", m.erase_text);
    j.end_object();
}
constexpr std::size_t kChangeEventsTimes = 2 * kMessageSize;  // then 12 bytes of times
constexpr std::size_t kChangeEventsTimesSize = 12;
constexpr std::size_t kChangeEventsArrowKeys = 76;

void clock_fields(Json& j, const Terminal& t) {
    const ClockTime c = terminal_clock(t);
    j.key("clock").begin_object();
    j.field("set", t.clock_set).field("offset_s", t.clock_offset_s);
    j.field("date", std::to_string(c.year) + "-" + two(c.month) + "-" + two(c.day));
    j.field("time", two(c.hour) + ":" + two(c.minute) + ":" + two(c.second));
    j.end_object();
    if (t.daylight_saving) j.key("daylight_saving").hex(t.daylight_saving->data(), t.daylight_saving->size());
}

// The offline messages, the change-event block and the display's texts.
void messages(Json& j, const Terminal& t) {
    j.key("offline_messages").begin_array();
    for (std::size_t at = 0; at < kMessagesSize; at += kMessageSize) message(j, &t.offline_messages[at]);
    j.end_array();
    if (t.change_events) {
        j.key("change_events").begin_object();
        j.key("entry");
        message(j, t.change_events->data());
        j.key("exit");
        message(j, t.change_events->data() + kMessageSize);
        j.key("times").hex(t.change_events->data() + kChangeEventsTimes, kChangeEventsTimesSize);
        j.field("arrow_keys", int((*t.change_events)[kChangeEventsArrowKeys]));
        j.end_object();
    }
    if (!t.display_standard.empty()) {
        j.key("display_standard");
        message(j, t.display_standard.data());
    }
    if (!t.display_temporary.empty()) {
        j.key("display_temporary");
        message(j, t.display_temporary.data());
        j.field("display_time", int(t.display_time));
    }
}

// The access list, the punch memory and the event queue.
void lists(Json& j, const Terminal& t) {
    j.key("access_list").begin_object();
    j.field("form", t.access_list.form).field("count", int(t.access_list.cards.size()));
    j.key("cards").begin_array();
    for (const AccessCard& a : t.access_list.cards) j.begin_object().field("card", a.card).field("schedule", int(a.schedule)).end_object();
    j.end_array().end_object();
    j.key("punches").begin_object();
    j.field("stored", int(t.punches.size())).field("delivered", t.punches_delivered).field("next_id", int(t.next_punch_id));
    j.end_object();
    j.key("events").begin_object().field("queued", int(t.events.size())).field("delivered", t.events_delivered).end_object();
}

// What the terminal was told to do: relays, beeps, LEDs, the turnstile, the printer.
void actions(Json& j, const Terminal& t) {
    j.key("relays").begin_array();
    for (const auto& r : t.relays) j.begin_object().field("pulses", r.pulses).field("held", r.held).end_object();
    j.end_array();
    j.field("short_beeps", t.short_beeps).field("long_beeps", t.long_beeps).field("denied", t.denied);
    j.field("pings", t.pings).field("online_resets", t.online_resets).field("raises", t.raises);
    j.field("intermittent_beep", t.intermittent_beep).field("backlight", t.backlight).field("red_led", t.red_led);
    j.field("cards_returned", t.cards_returned).field("cards_retained", t.cards_retained);
    j.key("turnstile").begin_object().field("entry", t.turnstile_entry).field("exit", t.turnstile_exit).field("both", t.turnstile_both).end_object();
    j.key("sensors").begin_array().value(int(t.sensors[0])).value(int(t.sensors[1])).value(int(t.sensors[2])).end_array();
    j.key("printed").begin_array();
    for (const auto& [marker, text] : t.printed) j.begin_object().field("marker", int(marker)).field("text", text).end_object();
    j.end_array();
}
}  // namespace

std::string terminal_json(const Terminal& t) {
    Json j;
    j.begin_object();
    j.field("terminal", t.number);
    j.field("online", t.online);
    j.field("card_pattern", int(t.card_pattern));
    clock_fields(j, t);
    config(j, t);
    messages(j, t);
    j.key("function_keys").hex(t.function_keys.data(), t.function_keys.size());
    if (t.online_change) j.key("online_change").hex(t.online_change->data(), t.online_change->size());
    if (t.entry_forms) j.key("entry_forms").hex(t.entry_forms->data(), t.entry_forms->size());
    schedules(j, t);
    lists(j, t);
    actions(j, t);
    j.key("counters").hex(t.counters.data(), t.counters.size());
    j.field("keep_alive", t.keep_alive);
    if (t.tlm) j.key("tlm").hex(t.tlm->data(), t.tlm->size());
    bio(j, t.bio);
    ossel(j, t.ossel);
    j.key("commands").begin_object();
    for (const auto& [code, n] : t.commands) j.field(std::to_string(code).c_str(), n);
    j.end_object();
    j.end_object();
    return j.str();
}

std::string bank_json(const TerminalBank& bank) {
    std::string out = "{\"exchanges\":" + std::to_string(bank.exchanges) + ",\"terminals\":[";
    bool first = true;
    for (const auto& [n, t] : bank.terminals()) {
        if (!first) out += ',';
        first = false;
        out += terminal_json(t);
    }
    return out + "]}";
}

std::string punches_json(uint32_t number, const Terminal& t) {
    Json j;
    j.begin_object().field("terminal", int64_t(number)).key("punches").begin_array();
    for (const Punch& p : t.punches)
        j.begin_object()
            .field("type", int(p.type))
            .field("day", int(p.day))
            .field("month", int(p.month))
            .field("year", int(p.year))
            .field("hour", int(p.hour))
            .field("minute", int(p.minute))
            .field("card", p.card)
            .field("id", int(p.id))
            .end_object();
    j.end_array().end_object();
    return j.str();
}

}  // namespace corvo::sim
