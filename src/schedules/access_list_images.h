// The wire images of the access list.
//
// Entry: card pattern 0, the card number's low 16 bits low byte first; else
// F bytes of right-aligned packed BCD. The schedule byte follows.
//
// Images, 0xFF wherever no entry lies, entries one after another in list
// order:
//   counted  45,002 bytes: bytes 0-1 the entry-byte count, big-endian;
//            entries from byte 2; sent: count + 2 bytes
//   full     45,002 bytes: entries from byte 0; sent: the first 45,000
//   blocks  131,072 bytes: bytes 0-1 the number of entries, big-endian;
//            entries from byte 2; sent as two blocks of 65,536
//   old       9,000 bytes: entries from byte 0; sent whole
#pragma once
#include <cstdint>
#include <vector>

#include "schedules/access_list.h"
#include "schedules/access_list_rules.h"

namespace varanda::access_list {

// Writes entry_size() bytes at `out`. False, writing nothing, when the card
// text needs more than F bytes.
bool encode_entry(const AccessListEntry& entry, const CardSettings& s, uint8_t* out) noexcept;

struct Image {
    std::vector<uint8_t> bytes;
    int32_t length = 0;  // bytes sent (both blocks together for the blocks form)
};

// Builds the image of `layout`. False, with `out` left empty, when the list
// does not fit it or one of its card texts does not fit its field.
bool build_image(Layout layout, const std::vector<AccessListEntry>& entries, const CardSettings& s, Image& out);

}  // namespace varanda::access_list
