// A terminal's state as one line of JSON (documented in docs/corvo-sim.md).
#pragma once
#include <string>

#include "sim/bank.h"

namespace corvo::sim {

std::string terminal_json(const Terminal& t);
std::string bank_json(const TerminalBank& bank);
// The punches a terminal holds, oldest first: {"terminal":T,"punches":[{...}]}.
std::string punches_json(uint32_t number, const Terminal& t);

}  // namespace corvo::sim
