// The terminals' punch memories and the link's memory of each terminal's
// last exchange, kept in a file (corvo-sim --state FILE), so that an emulator
// killed at any moment restarts where it was: a punch handed over but not
// yet acknowledged is still pending, one acknowledged is gone.
//
// The file (format 2): the line "corvo-sim-state 2", a snapshot (a
// `terminal` line for each terminal followed by its `punch` lines, a
// `memory` line for each terminal the link remembers), the line `journal`,
// then the changes since the snapshot, one exchange after another
// (sim/state_journal.h). Every line carries a CRC-32 (sim/state_records.h).
// Files of format 1 are refused with a message saying so.
#pragma once
#include <csignal>
#include <cstdint>
#include <string>

#include "link/server.h"
#include "sim/bank.h"

namespace corvo::sim {

inline constexpr const char* kStateMagic = "corvo-sim-state";
inline constexpr uint64_t kStateFormat = 2;
// The largest state file read (about 30 million punches).
inline constexpr uint64_t kMaxStateBytes = uint64_t{1} << 30;

struct StateLimits {
    std::size_t max_terminals = link::Endpoint::kDefaultMaxTerminals;
    uint64_t max_bytes = kMaxStateBytes;
    // Loading gives up when this turns nonzero (a SIGTERM meanwhile).
    const volatile std::sig_atomic_t* interrupted = nullptr;
};

// Loads FILE, which must be a regular file of at most `max_bytes`. False,
// with "FILE:LINE: reason" in `error`, when it is refused; then nothing is
// changed. A last line cut short in the journal (a write torn by a kill,
// never acknowledged) is left out.
bool load_state(const std::string& path, TerminalBank& bank, link::Endpoint& endpoint, const StateLimits& limits,
                std::string& error);

}  // namespace corvo::sim
