#include "online/online_card_text.h"

namespace varanda {

namespace {
constexpr uint8_t kLastLetter = 90;  // 'Z'

char digit_or_empty(uint8_t position) { return position <= 9 ? static_cast<char>('0' + position) : '\0'; }
}  // namespace

void card_text16(const OnlineEventRecord& record, char (&out)[16]) {
    const int n = record.sixteen_positions() ? 16 : 14;
    const uint8_t* p = record.positions();
    for (int i = 0; i < 16; ++i) out[i] = i < n ? digit_or_empty(p[i]) : '\0';
}

void card_text14(const OnlineEventRecord& record, bool pass_letters, char (&out)[14]) {
    const uint8_t* p = record.positions();
    for (int i = 0; i < 14; ++i) {
        if (p[i] <= 9) {
            out[i] = digit_or_empty(p[i]);
        } else if (pass_letters && p[i] <= kLastLetter) {
            out[i] = static_cast<char>(p[i]);
        } else {
            out[i] = '\0';
        }
    }
}

}  // namespace varanda
