#include "sim/terminal.h"

#include <cstring>
#include <ctime>

namespace corvo::sim {

namespace {
void put_text(uint8_t* slot, uint8_t control, const char* second_line) {
    std::memset(slot, ' ', kMessageSize);
    slot[0] = control;
    if (second_line != nullptr) std::memcpy(slot + kMessageLine, second_line, kMessageLine);
}
}  // namespace

Terminal::Terminal(uint32_t n) : number(n) {
    // A terminal out of the box: the configuration a fresh SDK would send,
    // the default message table.
    put_u16_le(&config[kConfigCompany], 0xFFFF);
    config[kConfigCardDigits] = 14;
    put_text(&offline_messages[0], 0xFE, " Passe o cartao ");
    put_text(&offline_messages[kMessageSize], 0xFE, "   Entrada OK   ");
    put_text(&offline_messages[2 * kMessageSize], 0xFE, "    Saida OK    ");
    for (std::size_t at = 3 * kMessageSize; at < kMessagesSize; at += kMessageSize)
        put_text(&offline_messages[at], 0xFF, nullptr);
    firmware = {14, 0x2C, 0x01, 3, 0, 12, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

ClockTime terminal_clock(const Terminal& t) {
    const std::time_t now = std::time(nullptr) + static_cast<std::time_t>(t.clock_offset_s);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace corvo::sim
