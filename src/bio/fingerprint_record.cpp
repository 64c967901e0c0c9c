#include "bio/fingerprint_record.h"

#include <cstring>

#include "bio/pair_code.h"
#include "wire/bcd_timestamp.h"
#include "wire/byte_order.h"

namespace varanda {

namespace {
constexpr int kIdOffset = 5;
constexpr int kMarkOffset = 32;
constexpr int kTimeOffset = 40;
constexpr int kLengthTableOffset = 48;
constexpr int kFirstTemplateOffset = 68;
constexpr int kLengthEntrySize = 2;  // one per template, most significant byte first
constexpr uint8_t kRecordTag = 0xC3;
constexpr uint8_t kMark[] = {0xFC, 0x08};
constexpr int kPresenceBytes = 10;  // a second template counts when one of these is not 0
}  // namespace

bool second_template_present(const uint8_t* second) {
    if (second == nullptr) return false;
    for (int i = 0; i < kPresenceBytes; ++i) {
        if (second[i] != 0) return true;
    }
    return false;
}

std::vector<uint8_t> build_fingerprint_record(const char* id, const uint8_t* first, const uint8_t* second,
                                              const platform::LocalTime& now) {
    const bool two = second_template_present(second);
    std::vector<uint8_t> r(two ? kFingerprintRecordTwo : kFingerprintRecordOne, 0);
    r[0] = kRecordTag;
    encode_pair_code(id, &r[kIdOffset]);
    std::memcpy(&r[kMarkOffset], kMark, sizeof kMark);
    wire::write_bcd_timestamp(now, &r[kTimeOffset]);
    wire::put_u16_be(&r[kLengthTableOffset], kFingerprintTemplateSize);
    std::memcpy(&r[kFirstTemplateOffset], first, kFingerprintTemplateSize);
    if (two) {
        wire::put_u16_be(&r[kLengthTableOffset + kLengthEntrySize], kFingerprintTemplateSize);
        std::memcpy(&r[kFingerprintRecordOne], second, kFingerprintTemplateSize);
    }
    return r;
}

}  // namespace varanda
