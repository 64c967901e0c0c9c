// What decides how the access list travels: the settings read from the
// facade, the size of an entry, which payload form a list takes, how much
// each form holds, and the checks of a new entry.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/return_code.h"
#include "core/settings_view.h"

namespace varanda {
}

namespace varanda::access_list {

inline constexpr size_t kHeaderSize = 2;           // counted and blocks forms
inline constexpr size_t kImageSize = 45'002;       // counted and full forms
inline constexpr size_t kFullLength = 45'000;      // bytes sent in the full form
inline constexpr size_t kBlocksImageSize = 131'072;
inline constexpr size_t kBlockSize = 65'536;
inline constexpr size_t kOldLength = 9'000;        // bytes sent in the old form
inline constexpr size_t kMaxBlocksEntries = 65'535;  // the blocks header counts entries in 16 bits
inline constexpr size_t kMaxEstimate = 45'002;     // above it the blocks form is taken
inline constexpr uint8_t kMaxSchedule = 102;
inline constexpr uint8_t kMaxOldSchedule = 52;
inline constexpr int kMaxNumericCardLength = 5;
inline constexpr uint64_t kMaxNumericCard = 65'000;

// The list does not fit the form the settings select, or a card text no
// longer fits its field: refused, nothing stored or sent.
inline constexpr ReturnCode kDoesNotFit = 131;

struct CardSettings {
    uint8_t pattern = 1;       // 0: 16-bit card number; otherwise packed BCD digits
    uint8_t digit_count = 14;  // configuration record byte 14
    bool old_terminal = false;

    bool numeric() const { return pattern == 0; }
    size_t field_bytes() const { return digit_count / 2u; }  // F
    size_t entry_size() const { return numeric() ? 3 : field_bytes() + 1; }
    // The size used to choose the form: F + 1 for both card patterns.
    size_t estimated_entry_size() const { return field_bytes() + 1; }
};

CardSettings settings_of(const SettingsView& settings);

// The layouts of the four payload forms.
enum class Layout { kCounted, kFull, kBlocks, kOld };

// The form a list of `entries` entries is sent in first: kOld for old
// terminals; kBlocks when the estimated size exceeds 45,002 bytes or the real
// entry bytes exceed what the counted and full forms carry; kCounted
// otherwise (kFull is its fallback).
Layout first_layout(size_t entries, const CardSettings& s);

// Whether `entries` entries fit the layout without any being dropped.
bool fits(Layout layout, size_t entries, const CardSettings& s);

// The checks of InserirUsuarioListaAcesso for a list that holds `entries`
// entries: 0, or the code of the first failing check (128, 129, 130, 131).
ReturnCode check_new_entry(const char* card, uint8_t schedule, size_t entries, const CardSettings& s);

}  // namespace varanda::access_list
