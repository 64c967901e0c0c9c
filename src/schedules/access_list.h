// The access list prepared for sending: the cards in insertion order, each
// with its access schedule. Duplicates are kept; the list is emptied by every
// send.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace varanda {

struct AccessListEntry {
    std::string card;  // the caller's text, copied
    uint8_t schedule = 0;
};

struct AccessList {
    // Releases every entry.
    void reset() noexcept { std::vector<AccessListEntry>().swap(entries); }

    std::vector<AccessListEntry> entries;
};

}  // namespace varanda
