// One punch as the terminal hands it over (ColetarBilhete), and its key.
#pragma once
#include <cstdint>
#include <string>

namespace fleet {

struct Punch {
    int32_t terminal = 0;
    uint8_t type = 0, day = 0, month = 0, year = 0, hour = 0, minute = 0;
    char card[17] = {};  // the SDK's 16 characters, terminated here
};

// The punch's key: its terminal and every field, as one word without spaces
// ("7:1:261207:0930:" followed by the card's 16 bytes in hex). The terminal
// gives the host no identifier of a punch, so two punches are the same punch
// when their keys are equal (see PunchSink::last for when that is decided).
std::string punch_key(const Punch& p);

// The card as text: the characters before the first NUL, at most 16.
std::string card_text(const Punch& p);

}  // namespace fleet
