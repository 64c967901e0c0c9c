// The punch memory: punches stored offline, handed out one at a time with
// command 204 in the record form of the length asked for.
#pragma once
#include <cstddef>
#include <cstdint>
#include <random>

#include "sim/terminal.h"

namespace corvo::sim {

class TerminalBank;

// The most punches all the terminals hold together (about 200 MB), whatever
// the control port asks for and whatever a state file says.
inline constexpr std::size_t kMaxStoredPunches = 8'000'000;
// The punches all the terminals hold.
std::size_t stored_punches(const TerminalBank& bank);

// Stores a punch with the next identifier.
void store_punch(Terminal& t, Punch p);
// Stores `count` punches of random cards over the days before now.
void seed_punches(Terminal& t, int count, std::mt19937& rng);
// The record of command 204: 10 bytes (16-bit card) or 16 bytes (8 BCD card bytes).
Bytes punch_record(const Punch& p, uint32_t length);

}  // namespace corvo::sim
