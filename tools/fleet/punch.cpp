#include "punch.h"

#include <cstdio>

namespace fleet {

std::string card_text(const Punch& p) {
    std::size_t n = 0;
    while (n < 16 && p.card[n] != '\0') ++n;
    return std::string(p.card, n);
}

std::string punch_key(const Punch& p) {
    char head[48];
    std::snprintf(head, sizeof head, "%d:%u:%02u%02u%02u:%02u%02u:", static_cast<int>(p.terminal), p.type, p.year,
                  p.month, p.day, p.hour, p.minute);
    std::string key = head;
    static const char* kHex = "0123456789abcdef";
    for (int i = 0; i < 16; ++i) {
        const auto b = static_cast<unsigned char>(p.card[i]);
        key += kHex[b >> 4];
        key += kHex[b & 15];
    }
    return key;
}

}  // namespace fleet
