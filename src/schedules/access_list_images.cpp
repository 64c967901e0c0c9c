#include "schedules/access_list_images.h"

#include "wire/byte_order.h"
#include "wire/card_bcd.h"
#include "wire/decimal_text.h"

namespace varanda::access_list {

namespace {
constexpr uint8_t kFill = 0xFF;

struct Shape {
    size_t image_size;
    size_t entries_at;
};

Shape shape_of(Layout layout) {
    switch (layout) {
        case Layout::kCounted: return {kImageSize, kHeaderSize};
        case Layout::kFull: return {kImageSize, 0};
        case Layout::kBlocks: return {kBlocksImageSize, kHeaderSize};
        case Layout::kOld: return {kOldLength, 0};
    }
    return {0, 0};
}
}  // namespace

bool encode_entry(const AccessListEntry& entry, const CardSettings& s, uint8_t* out) noexcept {
    size_t n = 0;
    if (s.numeric()) {
        const uint16_t card = wire::read_decimal(entry.card).low16;
        wire::put_u16_le(out, card);
        n = 2;
    } else {
        n = s.field_bytes();
        if (!wire::pack_card_bcd(entry.card, out, n)) return false;
    }
    out[n] = entry.schedule;
    return true;
}

bool build_image(Layout layout, const std::vector<AccessListEntry>& entries, const CardSettings& s, Image& out) {
    out = Image{};
    if (!fits(layout, entries.size(), s)) return false;
    const Shape shape = shape_of(layout);
    const size_t size = s.entry_size();
    std::vector<uint8_t> bytes(shape.image_size, kFill);
    uint8_t* at = bytes.data() + shape.entries_at;
    for (const AccessListEntry& e : entries) {
        if (!encode_entry(e, s, at)) return false;
        at += size;
    }
    const size_t entry_bytes = entries.size() * size;
    switch (layout) {
        case Layout::kCounted:
            wire::put_u16_be(bytes.data(), static_cast<uint16_t>(entry_bytes));
            out.length = static_cast<int32_t>(kHeaderSize + entry_bytes);
            break;
        case Layout::kFull:
            out.length = static_cast<int32_t>(kFullLength);
            break;
        case Layout::kBlocks:
            wire::put_u16_be(bytes.data(), static_cast<uint16_t>(entries.size()));
            out.length = static_cast<int32_t>(kBlocksImageSize);
            break;
        case Layout::kOld:
            out.length = static_cast<int32_t>(kOldLength);
            break;
    }
    out.bytes = std::move(bytes);
    return true;
}

}  // namespace varanda::access_list
