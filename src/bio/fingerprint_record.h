// The fingerprint record of one user (command 131 out, 231 in): 472 bytes
// with one 404-byte template, 876 with two.
//
//   0  C3 00 00 00        32  FC 08
//   4  0                  34  six zero bytes
//   5  identifier, pair code (8 bytes), then 3 zero bytes
//  16  sixteen zero bytes 40  local date and time, packed BCD (8 bytes)
//  48  template length table: 01 94 per template, the rest 0 (20 bytes)
//  68  first template     472  second template
#pragma once
#include <cstdint>
#include <vector>

#include "platform/system.h"

namespace varanda {

inline constexpr int kFingerprintTemplateSize = 404;
inline constexpr int kFingerprintRecordOne = 472;
inline constexpr int kFingerprintRecordTwo = 876;

// A second template counts when given and any of its first 10 bytes is not 0.
bool second_template_present(const uint8_t* second);

// Builds the record; `second` may be null. The identifier must fit the pair
// code (at most 16 characters).
std::vector<uint8_t> build_fingerprint_record(const char* id, const uint8_t* first, const uint8_t* second,
                                              const platform::LocalTime& now);

}  // namespace varanda
