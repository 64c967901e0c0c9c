// Where a paged collection of the fingerprint module's user list stands:
// the page to ask for next, the package read last and the read position in
// it. Shared by the plain list and the list of users with fingerprint.
#pragma once
#include <cstdint>
#include <vector>

namespace varanda {

struct ListCollectionState {
    int32_t page_index = 0;       // the page to request next
    int32_t last_page_index = 0;
    int32_t package_size = 0;     // bytes, as the module announced
    int32_t record_count = 0;     // whole records the package holds
    int32_t record_size = 0;      // bytes
    std::vector<uint8_t> package; // empty: no package buffer
    int32_t records_read = 0;
    int32_t cursor = 0;           // byte offset into the package
    int32_t answered_terminal = 0;  // terminal of the last list answer

    bool has_package() const { return !package.empty(); }
    void free_package() { std::vector<uint8_t>().swap(package); }

    // Frees the package and zeroes every field.
    void reset() { *this = ListCollectionState{}; }

    bool has_next_record() const { return records_read < record_count; }
    bool has_next_page() const { return page_index <= last_page_index; }

    // The next record, or nullptr when there is no package or the record
    // would run past it. Advances the cursor and the records read.
    const uint8_t* next_record();
};

}  // namespace varanda
