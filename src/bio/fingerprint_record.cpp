#include "bio/fingerprint_record.h"

#include <cstring>

#include "bio/pair_code.h"
#include "wire/bcd_timestamp.h"

namespace varanda {

namespace {
constexpr int kIdOffset = 5;
constexpr int kMarkOffset = 32;
constexpr int kTimeOffset = 40;
constexpr int kLengthTableOffset = 48;
constexpr int kFirstTemplateOffset = 68;
}  // namespace

bool second_template_present(const uint8_t* second) {
    if (second == nullptr) return false;
    for (int i = 0; i < 10; ++i) {
        if (second[i] != 0) return true;
    }
    return false;
}

std::vector<uint8_t> build_fingerprint_record(const char* id, const uint8_t* first, const uint8_t* second,
                                              const platform::LocalTime& now) {
    const bool two = second_template_present(second);
    std::vector<uint8_t> r(two ? kFingerprintRecordTwo : kFingerprintRecordOne, 0);
    r[0] = 0xC3;
    encode_pair_code(id, &r[kIdOffset]);
    r[kMarkOffset] = 0xFC;
    r[kMarkOffset + 1] = 0x08;
    wire::write_bcd_timestamp(now, &r[kTimeOffset]);
    r[kLengthTableOffset] = kFingerprintTemplateSize >> 8;
    r[kLengthTableOffset + 1] = kFingerprintTemplateSize & 0xFF;
    std::memcpy(&r[kFirstTemplateOffset], first, kFingerprintTemplateSize);
    if (two) {
        r[kLengthTableOffset + 2] = kFingerprintTemplateSize >> 8;
        r[kLengthTableOffset + 3] = kFingerprintTemplateSize & 0xFF;
        std::memcpy(&r[kFingerprintRecordOne], second, kFingerprintTemplateSize);
    }
    return r;
}

}  // namespace varanda
