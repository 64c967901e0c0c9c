#include "online/online_offline_entry_forms.h"

namespace varanda {

namespace {
constexpr uint8_t kMaxForm = 4;

uint8_t bit(bool on, int position) { return static_cast<uint8_t>((on ? 1 : 0) << position); }
}  // namespace

ReturnCode check_offline_entry_forms(uint8_t second, uint8_t third) {
    if (second > kMaxForm) return rc::bad_arg(0);
    if (third > kMaxForm) return rc::bad_arg(1);
    return rc::kOk;
}

uint8_t offline_entry_forms(uint8_t first, uint8_t second, uint8_t third) {
    return static_cast<uint8_t>(0x80 | third << 4 | second << 1 | bit(first != 0, 0));
}

uint8_t offline_entry_forms_bio(uint8_t first, uint8_t second, uint8_t third, uint8_t fourth, uint8_t fifth) {
    uint8_t forms = static_cast<uint8_t>(0x40 | bit(fifth != 0, 5) | bit(fourth != 0, 4) | bit(first != 0, 0));
    if (second == kMaxForm) {
        forms |= bit(true, 3);
    } else {
        forms |= static_cast<uint8_t>(bit(second != 0, 2) | bit(third != 0, 1));
    }
    return forms;
}

}  // namespace varanda
