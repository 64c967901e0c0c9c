#include "sim/events.h"

#include "sim/punches.h"

namespace corvo::sim {

std::array<uint8_t, 22> make_event(const Terminal& t, uint8_t origin, uint8_t complement, const std::string& text) {
    std::array<uint8_t, 22> e{};
    e[0] = origin;
    e[1] = complement;
    for (int i = 2; i < 16; ++i) e[i] = 0xFF;
    if (t.config[41] != 0) {
        const ClockTime c = terminal_clock(t);
        e[16] = static_cast<uint8_t>(c.day);
        e[17] = static_cast<uint8_t>(c.month);
        e[18] = static_cast<uint8_t>(c.year % 100);
        e[19] = static_cast<uint8_t>(c.hour);
        e[20] = static_cast<uint8_t>(c.minute);
        e[21] = static_cast<uint8_t>(c.second);
    }
    const std::size_t n = text.size() > 16 ? 16 : text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char ch = text[i];
        e[2 + i] = (ch >= '0' && ch <= '9') ? static_cast<uint8_t>(ch - '0') : static_cast<uint8_t>(ch);
    }
    if (n > 14) e[20] = 0xFF;  // 16-position form
    return e;
}

void push_event(Terminal& t, uint8_t origin, uint8_t complement, const std::string& text) {
    t.events.push_back(make_event(t, origin, complement, text));
}

void bio_answer(Terminal& t, uint8_t sub, const std::array<uint8_t, 17>& answer) {
    if (!t.online) {
        t.bio.answers.push_back(answer);
        return;
    }
    std::array<uint8_t, 22> e{};
    e[0] = kOriginBio;
    e[1] = sub;
    for (int i = 0; i < 17; ++i) e[2 + i] = answer[i];
    t.events.push_back(e);
}

void ossel_result_event(Terminal& t, uint8_t code) {
    std::array<uint8_t, 22> e{};
    e[0] = kOriginOssel;
    e[1] = code;
    t.events.push_back(e);
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
