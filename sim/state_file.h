// The terminals' punch memories and the link's memory of each terminal's
// last exchange, kept in a file (corvo-sim --state FILE), so that an emulator
// killed at any moment restarts where it was: a punch handed over but not
// yet acknowledged is still pending, one acknowledged is gone.
//
// The file is written whole after every exchange (to FILE.tmp, then renamed
// over FILE), before the answer leaves.
#pragma once
#include <string>

#include "link/server.h"
#include "sim/bank.h"

namespace corvo::sim {

bool save_state(const std::string& path, const TerminalBank& bank, const link::Endpoint& endpoint);
// False when the file is missing or malformed (then nothing is changed).
bool load_state(const std::string& path, TerminalBank& bank, link::Endpoint& endpoint, std::string& error);

}  // namespace corvo::sim
