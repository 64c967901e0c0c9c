// The lists of users who identify without a fingerprint: two tables of
// 5-byte entries (250 and 500 entries), one of 8-byte entries (8000), and the
// one count that all three share (a host prepares one list at a time).
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace varanda {

struct NoFingerprintTables {
    static constexpr int kEntry5 = 5, kEntry8 = 8;  // entry sizes
    static constexpr int kCapacity250 = 250, kCapacity500 = 500, kCapacity8000 = 8000;

    NoFingerprintTables();

    // Each fills its table with 0xFF and sets the shared count to 0.
    void reset250();
    void reset500();
    void reset8000();

    std::array<uint8_t, kCapacity250 * kEntry5> table250;
    std::array<uint8_t, kCapacity500 * kEntry5> table500;
    std::vector<uint8_t> table8000;  // kCapacity8000 * kEntry8 bytes
    int32_t count = 0;
};

}  // namespace varanda
