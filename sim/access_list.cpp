// The access list in its four forms. An entry is 3 bytes with card pattern 0
// (16-bit card, low byte first, then the schedule) and F + 1 bytes with card
// pattern 1 (F = card digit count / 2 bytes of packed BCD, then the
// schedule); the digit count is byte 14 of the configuration record.
//   115 counted: 2-byte big-endian count of entry bytes, then the entries
//   110 full:    45,000 bytes, entries from byte 0, 0xFF after the last
//   102 old:      9,000 bytes, the same layout
//   136 blocks:  two blocks of 65,536 bytes; 2-byte big-endian entry count,
//                entries from byte 2, 0xFF fill
#include <algorithm>

#include "sim/bank.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;

std::size_t entry_size(const Terminal& t) {
    if (t.card_pattern == 0) return 3;
    const int digits = std::clamp<int>(t.config[kConfigCardDigits], 1, 16);
    return static_cast<std::size_t>(digits / 2) + 1;
}

AccessCard decode_entry(const Terminal& t, const uint8_t* e, std::size_t size) {
    AccessCard c;
    if (t.card_pattern == 0)
        c.card = std::to_string(get_u16_le(e));
    else
        c.card = strip_zeros(bcd_digits(e, size - 1));
    c.schedule = e[size - 1];
    return c;
}

// `count` entries from `at`, or (count < 0) every entry up to the fill.
bool decode(Terminal& t, const Bytes& image, std::size_t at, long count, const char* form) {
    const std::size_t size = entry_size(t);
    std::vector<AccessCard> cards;
    for (long i = 0; count < 0 || i < count; ++i) {
        if (at + size > image.size()) {
            if (count < 0) break;
            return false;
        }
        const uint8_t* e = image.data() + at;
        if (count < 0 && std::all_of(e, e + size, [](uint8_t b) { return b == 0xFF; })) break;
        cards.push_back(decode_entry(t, e, size));
        at += size;
    }
    t.access_list.cards = std::move(cards);
    t.access_list.form = form;
    return true;
}

Reply counted(Terminal& t, TerminalBank&, const Request& r) {
    if (r.payload.size() < 2) return Reply::refused(link::Status::BadLength);
    const std::size_t bytes = get_u16_be(r.payload.data());
    if (bytes + 2 != r.payload.size()) return Reply::refused(link::Status::BadLength);
    if (bytes % entry_size(t) != 0) return Reply::refused(link::Status::BadContents);
    decode(t, r.payload, 2, static_cast<long>(bytes / entry_size(t)), "counted");
    return Reply::accepted();
}

Reply whole(Terminal& t, TerminalBank&, const Request& r) {
    decode(t, r.payload, 0, -1, r.command == kAccessListFull ? "full" : "old");
    return Reply::accepted();
}

// Block 0, then block 1. The TCP library's sends carry no block index: an
// unnumbered block is block 1 when it follows block 0 directly (the next
// sequence number of the same back-end), block 0 when nothing was missed
// before it, and refused when a request went missing in between, since its
// place cannot be told then.
Reply block(Terminal& t, TerminalBank&, const Request& r) {
    AccessList& l = t.access_list;
    int index;
    if (r.has_index) {
        index = r.index;
    } else if (l.have_block0 && l.block0_session == r.session && static_cast<uint16_t>(l.block0_seq + 1) == r.seq) {
        index = 1;
    } else if (t.last_session != r.session || static_cast<uint16_t>(t.last_seq + 1) == r.seq || t.last_seq == 0) {
        index = 0;
    } else {
        return Reply::refused(link::Status::BadContents);
    }
    if (index == 0) {
        l.image.assign(r.payload.begin(), r.payload.end());
        l.have_block0 = true;
        l.block0_session = r.session;
        l.block0_seq = r.seq;
        return Reply::accepted();
    }
    if (index != 1 || !l.have_block0) return Reply::refused(link::Status::BadContents);
    l.image.insert(l.image.end(), r.payload.begin(), r.payload.end());
    l.have_block0 = false;
    const long count = get_u16_be(l.image.data());
    const bool ok = decode(t, l.image, 2, count, "blocks");
    l.image.clear();
    return ok ? Reply::accepted() : Reply::refused(link::Status::BadContents);
}
}  // namespace

void add_access_list_commands(CommandTable& table) {
    table.on_send(kAccessListCounted, kAnyLength, counted);
    table.on_send(kAccessListFull, kAccessListFullSize, whole);
    table.on_send(kAccessListOld, kAccessListOldSize, whole);
    table.on_send(kAccessListBlock, kAccessListBlockSize, block);
}

}  // namespace corvo::sim
