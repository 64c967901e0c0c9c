#include "sim/punches.h"

#include <ctime>

#include "sim/bank.h"

namespace corvo::sim {

void store_punch(Terminal& t, Punch p) {
    p.id = t.next_punch_id++;
    if (t.next_punch_id == 0) t.next_punch_id = 1;
    t.punches.push_back(p);
}

std::size_t stored_punches(const TerminalBank& bank) {
    std::size_t n = 0;
    for (const auto& [number, t] : bank.terminals()) n += t.punches.size();
    return n;
}

void seed_punches(Terminal& t, int count, std::mt19937& rng) {
    std::time_t when = std::time(nullptr) + static_cast<std::time_t>(t.clock_offset_s) - static_cast<std::time_t>(count) * 420;
    for (int i = 0; i < count; ++i) {
        when += 300 + static_cast<std::time_t>(rng() % 240);
        std::tm tm{};
        localtime_r(&when, &tm);
        Punch p;
        p.type = static_cast<uint8_t>(i % 2);
        p.day = static_cast<uint8_t>(tm.tm_mday);
        p.month = static_cast<uint8_t>(tm.tm_mon + 1);
        p.year = static_cast<uint8_t>(tm.tm_year % 100);
        p.hour = static_cast<uint8_t>(tm.tm_hour);
        p.minute = static_cast<uint8_t>(tm.tm_min);
        p.card = 1000000 + rng() % 1000;
        store_punch(t, p);
    }
}

Bytes punch_record(const Punch& p, uint32_t length) {
    Bytes r(length);
    r[0] = p.type;
    r[1] = p.day;
    r[2] = p.month;
    r[3] = p.year;
    r[4] = p.hour;
    r[5] = p.minute;
    if (length == kPunchShort)
        put_u16_le(&r[6], static_cast<uint16_t>(p.card));
    else
        put_bcd(&r[6], 8, p.card);
    put_u16_be(&r[length - 2], p.id);
    return r;
}

namespace {
link::Reply give_punch(Terminal& t, TerminalBank&, const link::Request& r) {
    if (r.expected_length != kPunchShort && r.expected_length != kPunchLong)
        return link::Reply::refused(link::Status::BadLength);
    if (t.punches.empty()) return link::Reply::refused(link::Status::NothingToGive);
    t.handed = Terminal::Handed::Punch;
    return link::Reply::answer(punch_record(t.punches.front(), r.expected_length), true);
}

link::Reply punch_count(Terminal& t, TerminalBank&, const link::Request&) {
    Bytes a(2);
    put_u16_be(a.data(), static_cast<uint16_t>(t.punches.size() > 0xFFFF ? 0xFFFF : t.punches.size()));
    return link::Reply::answer(a);
}
}  // namespace

void add_punch_commands(CommandTable& table) {
    table.on_receive(kNextPunch, kAnyLength, give_punch);
    table.on_receive(kPunchCount, kCountSize, punch_count);
}

}  // namespace corvo::sim
