// The fingerprint module's sub-commands: byte 0 of a request (command 120),
// and what an answer names as the request it answers. Named once for both
// sides of the link, as the command codes are.
#pragma once
#include <cstdint>

namespace varanda::wire::bio_sub {

inline constexpr uint8_t kModel = 1, kVersion = 2, kUserCount = 3, kUserList = 10, kFingerprintList = 11,
                         kUserQuery = 20, kUserDelete = 21, kEnrol = 23, kVerify = 30, kIdentify = 31, kTemplate = 33,
                         kConfigure = 60;
// What answers a block of its own (a user record, a template to compare)
// and an enrolment name.
inline constexpr uint8_t kBlockAnswer = 0;

}  // namespace varanda::wire::bio_sub
