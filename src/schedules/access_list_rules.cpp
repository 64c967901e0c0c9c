#include "schedules/access_list_rules.h"

#include <cstring>
#include <string_view>

#include "core/settings_view.h"
#include "wire/decimal_text.h"

namespace varanda::access_list {

CardSettings settings_of(const SettingsView& settings) {
    CardSettings s;
    s.pattern = settings.card_pattern;
    s.digit_count = settings.card_digits;
    s.old_terminal = settings.old_terminal;
    return s;
}

Layout first_layout(size_t entries, const CardSettings& s) {
    if (s.old_terminal) return Layout::kOld;
    if (entries * s.estimated_entry_size() > kMaxEstimate || entries * s.entry_size() > kFullLength) {
        return Layout::kBlocks;
    }
    return Layout::kCounted;
}

bool fits(Layout layout, size_t entries, const CardSettings& s) {
    const size_t bytes = entries * s.entry_size();
    switch (layout) {
        case Layout::kCounted:
        case Layout::kFull:
            return bytes <= kFullLength;
        case Layout::kBlocks:
            return entries <= kMaxBlocksEntries && bytes <= kBlocksImageSize - kHeaderSize;
        case Layout::kOld:
            return bytes <= kOldLength;
    }
    return false;
}

ReturnCode check_new_entry(const char* card, uint8_t schedule, size_t entries, const CardSettings& s) {
    if (card == nullptr) return rc::bad_arg(0);
    const std::string_view text(card, std::strlen(card));
    if (s.numeric()) {
        if (text.size() > kMaxNumericCardLength) return rc::bad_arg(1);
        const wire::DecimalValue v = wire::read_decimal(text);
        if ((v.negative && v.magnitude > 0) || v.magnitude > kMaxNumericCard) return rc::bad_arg(0);
    } else if (text.size() > 2 * s.field_bytes()) {
        return rc::bad_arg(1);  // longer than the digit count, or than F bytes hold
    }
    if (schedule < 1 || schedule > (s.old_terminal ? kMaxOldSchedule : kMaxSchedule)) return rc::bad_arg(2);
    if (!fits(s.old_terminal ? Layout::kOld : Layout::kBlocks, entries + 1, s)) return kDoesNotFit;
    return rc::kOk;
}

}  // namespace varanda::access_list
