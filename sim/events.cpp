#include "sim/events.h"

#include <algorithm>

#include "sim/punches.h"

namespace corvo::sim {

Event make_event(const Terminal& t, uint8_t origin, uint8_t complement, const std::string& text) {
    Event e{};
    e[0] = origin;
    e[1] = complement;
    std::fill(&e[kEventData], &e[kEventTime], 0xFF);
    if (t.config[kConfigEventTime] != 0) {
        const ClockTime c = terminal_clock(t);
        uint8_t* p = &e[kEventTime];
        for (const int v : {c.day, c.month, c.year % 100, c.hour, c.minute, c.second}) *p++ = static_cast<uint8_t>(v);
    }
    const std::size_t n = std::min(text.size(), kEventLongCard);
    for (std::size_t i = 0; i < n; ++i) {
        const char ch = text[i];
        e[kEventData + i] = (ch >= '0' && ch <= '9') ? static_cast<uint8_t>(ch - '0') : static_cast<uint8_t>(ch);
    }
    if (n > kEventCardPositions) e[kEventMinute] = 0xFF;  // 16-position form
    return e;
}

namespace {
void queue_event(Terminal& t, const Event& e) {
    if (t.events.size() < kMaxQueuedEvents) t.events.push_back(e);
}
}  // namespace

void push_event(Terminal& t, uint8_t origin, uint8_t complement, const std::string& text) {
    queue_event(t, make_event(t, origin, complement, text));
}

void bio_answer(Terminal& t, uint8_t sub, const std::array<uint8_t, kBioMessageSize>& answer) {
    if (!t.online) {
        if (t.bio.answers.size() < kMaxQueuedBioAnswers) t.bio.answers.push_back(answer);
        return;
    }
    Event e{};
    e[0] = kOriginBio;
    e[1] = sub;
    std::copy(answer.begin(), answer.end(), e.begin() + kEventData);
    queue_event(t, e);
}

void ossel_result_event(Terminal& t, uint8_t code) {
    Event e{};
    e[0] = kOriginOssel;
    e[1] = code;
    queue_event(t, e);
}

void present_card(Terminal& t, const std::string& digits, uint8_t reader) {
    if (t.online) {
        push_event(t, kOriginCard, reader, digits);
        return;
    }
    const ClockTime c = terminal_clock(t);
    Punch p;
    p.type = 0;
    p.day = static_cast<uint8_t>(c.day);
    p.month = static_cast<uint8_t>(c.month);
    p.year = static_cast<uint8_t>(c.year % 100);
    p.hour = static_cast<uint8_t>(c.hour);
    p.minute = static_cast<uint8_t>(c.minute);
    p.card = decimal_value(digits);
    store_punch(t, p);
}

}  // namespace corvo::sim
