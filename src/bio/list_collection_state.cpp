#include "bio/list_collection_state.h"

namespace varanda {

const uint8_t* ListCollectionState::next_record() {
    if (!has_package() || record_size < 0 || cursor < 0) return nullptr;
    const int64_t end = int64_t{cursor} + record_size;
    if (end > static_cast<int64_t>(package.size())) return nullptr;
    const uint8_t* record = package.data() + cursor;
    cursor += record_size;
    ++records_read;
    return record;
}

}  // namespace varanda
