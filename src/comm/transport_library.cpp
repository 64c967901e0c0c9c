#include "comm/transport_library.h"

namespace varanda {

TransportLibrary::TransportLibrary(const char* file_name, const std::array<const char*, kEntries>& entry_names) {
    if (!library_.load(file_name)) return;
    bool all = true;
    for (std::size_t i = 0; i < kEntries; ++i) {
        entries_[i] = library_.symbol(entry_names[i]);
        all = all && entries_[i] != nullptr;
    }
    if (all) {
        loaded_ = true;
        return;
    }
    library_.unload();
    entries_.fill(nullptr);
}

}  // namespace varanda
