#include "bio/no_fingerprint_tables.h"

#include <algorithm>

namespace varanda {

NoFingerprintTables::NoFingerprintTables() : table8000(kCapacity8000 * kEntry8, 0xFF) {
    reset250();
    reset500();
}

void NoFingerprintTables::reset250() {
    table250.fill(0xFF);
    count = 0;
}

void NoFingerprintTables::reset500() {
    table500.fill(0xFF);
    count = 0;
}

void NoFingerprintTables::reset8000() {
    std::fill(table8000.begin(), table8000.end(), uint8_t{0xFF});
    count = 0;
}

}  // namespace varanda
