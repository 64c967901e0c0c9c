// A back-end library loaded once, with all ten of its entry points. A
// library lacking any of them is released again and counts as not loaded.
#pragma once
#include <array>
#include <cstddef>

#include "platform/dynamic_library.h"

namespace varanda {

class TransportLibrary {
public:
    static constexpr std::size_t kEntries = 10;

    TransportLibrary(const char* file_name, const std::array<const char*, kEntries>& entry_names);

    bool loaded() const { return loaded_; }
    // Entry i in the order given to the constructor, of function type Fn;
    // null when not loaded.
    template <class Fn>
    Fn* entry(std::size_t i) const {
        return reinterpret_cast<Fn*>(entries_[i]);
    }

private:
    platform::DynamicLibrary library_;
    bool loaded_ = false;
    std::array<void*, kEntries> entries_{};
};

}  // namespace varanda
