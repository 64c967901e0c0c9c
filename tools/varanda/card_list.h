// The access-list file: lines "card,schedule", an optional header line, '#'
// comments. Every line is checked before anything is sent.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vtool {

struct CardEntry {
    std::string card;  // as written (digits only)
    uint8_t schedule = 0;
    int line = 0;
};

struct CardRules {
    uint8_t pattern = 1;            // 0: cards are 16-bit numbers, up to 65000
    bool schedule_required = true;  // false: "card" alone is a line too (the schedule is then 0)
};

struct CardList {
    std::vector<CardEntry> entries;
    std::string error;  // "FILE:LINE: reason" for the first bad line, or "FILE: no cards"
};

CardList parse_card_list(const std::string& text, const std::string& file, const CardRules& rules);

// The first card with more digits than the terminal's card length takes; "" when none.
std::string check_card_lengths(const CardList& list, const std::string& file, unsigned digits);

// The card without its leading zeros ("0" for all zeros): the same card however it is written.
std::string card_key(const std::string& digits);

}  // namespace vtool
