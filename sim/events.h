// Online events (the 22-byte records of command 207) and the answers of the
// fingerprint module, which go to the event queue while the terminal is
// online and to the module's answer queue (command 220) while it is offline.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/terminal.h"

namespace corvo::sim {

// Event origins this terminal uses besides the modules' (1 Ossel, 13 fingerprint).
inline constexpr uint8_t kOriginCard = 2;
inline constexpr uint8_t kOriginKeypad = 3;
inline constexpr uint8_t kOriginFinger = 4;
inline constexpr uint8_t kOriginOssel = 1;
inline constexpr uint8_t kOriginBio = 13;

// The most events a terminal queues for the host, and the most answers its
// fingerprint module queues; beyond them new ones are dropped, as a full
// buffer does.
inline constexpr std::size_t kMaxQueuedEvents = 10000;
inline constexpr std::size_t kMaxQueuedBioAnswers = 1000;

// An event with card positions from `text`: a digit as its value, any other
// character as its byte; more than 14 positions take the 16-position form.
using Event = std::array<uint8_t, kEventSize>;
Event make_event(const Terminal& t, uint8_t origin, uint8_t complement, const std::string& text);
void push_event(Terminal& t, uint8_t origin, uint8_t complement, const std::string& text);

// The module's 17-byte answer to sub-command `sub`.
void bio_answer(Terminal& t, uint8_t sub, const std::array<uint8_t, kBioMessageSize>& answer);
// A result message of the Ossel module (always an event: the host reads it with 207).
void ossel_result_event(Terminal& t, uint8_t code);

// A card shown at the reader: an event when online, a punch when offline.
void present_card(Terminal& t, const std::string& digits, uint8_t reader);

}  // namespace corvo::sim
