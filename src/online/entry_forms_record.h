// The 5-byte online entry forms and keypad settings (command 107): keypad
// setting 1, keypad setting 2, entry forms, keypad setting 3, keypad setting 4.
#pragma once
#include <array>
#include <cstdint>

#include "core/return_code.h"
#include "wire/terminal_commands.h"

namespace varanda {

struct EntryFormsRecord {
    static constexpr int32_t kCommand = wire::command::kEntryForms;
    static constexpr int32_t kSize = 5;
    // Highest accepted value of each field, in record order; the entry forms
    // byte takes any value.
    static constexpr std::array<uint8_t, kSize> kMax = {20, 2, 255, 50, 32};

    std::array<uint8_t, kSize> bytes{};

    // 128 + the index of the first field out of range, or 0.
    ReturnCode check() const {
        for (int i = 0; i < kSize; ++i)
            if (bytes[i] > kMax[i]) return static_cast<ReturnCode>(128 + i);
        return rc::kOk;
    }
};

}  // namespace varanda
