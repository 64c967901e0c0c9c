#include "sim/terminal.h"

#include <cstring>
#include <ctime>

namespace corvo::sim {

namespace {
void put_text(uint8_t* slot, uint8_t control, const char* second_line) {
    std::memset(slot, ' ', 32);
    slot[0] = control;
    if (second_line != nullptr) std::memcpy(slot + 16, second_line, 16);
}
}  // namespace

Terminal::Terminal(uint32_t n) : number(n) {
    // A terminal out of the box: the configuration a fresh SDK would send,
    // the default message table.
    put_u16_le(&config[kConfigCompany], 0xFFFF);
    config[kConfigCardDigits] = 14;
    put_text(&offline_messages[0], 0xFE, " Passe o cartao ");
    put_text(&offline_messages[32], 0xFE, "   Entrada OK   ");
    put_text(&offline_messages[64], 0xFE, "    Saida OK    ");
    for (int slot = 3; slot < 13; ++slot) put_text(&offline_messages[slot * 32], 0xFF, nullptr);
    firmware = {14, 0x2C, 0x01, 3, 0, 12, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

ClockTime terminal_clock(const Terminal& t) {
    const std::time_t now = std::time(nullptr) + static_cast<std::time_t>(t.clock_offset_s);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace corvo::sim
