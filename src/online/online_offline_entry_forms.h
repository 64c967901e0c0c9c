// The two encodings of the entry forms a terminal accepts after it changes
// to offline by itself. Bit 7 tells them apart: set in the plain form, clear
// in the biometric form.
#pragma once
#include <cstdint>

#include "core/return_code.h"

namespace varanda {

// 128 when the second value is above 4, 129 when the third is; else 0.
ReturnCode check_offline_entry_forms(uint8_t second, uint8_t third);

// Bit 0 first non-zero, bits 1-3 second, bits 4-6 third, bit 7 set.
uint8_t offline_entry_forms(uint8_t first, uint8_t second, uint8_t third);

// Bit 0 first non-zero; second == 4: bit 3 alone (third ignored), otherwise
// bit 2 second non-zero and bit 1 third non-zero; bit 4 fourth non-zero,
// bit 5 fifth non-zero; bit 6 set, bit 7 clear.
uint8_t offline_entry_forms_bio(uint8_t first, uint8_t second, uint8_t third, uint8_t fourth, uint8_t fifth);

}  // namespace varanda
