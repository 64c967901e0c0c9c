// The control interface: one text command per line, one line of answer
// ("ok", "error <why>" or JSON). Commands are listed in docs/corvo-sim.md.
#pragma once
#include <string>

#include "sim/bank.h"

namespace corvo::sim {

struct ControlResult {
    std::string reply;
    bool stop = false;
    bool stores = false;  // the command may have stored punches (the state file keeps them)
};

ControlResult control_command(TerminalBank& bank, const std::string& line);

// "1,2,5-7" as a set of numbers in [low, high], at most `max_count` of them
// (checked before a range is expanded); false on anything else.
bool parse_number_list(const std::string& text, long low, long high, std::set<long>& out,
                       std::size_t max_count = 256);

}  // namespace corvo::sim
