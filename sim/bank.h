// The emulated terminals behind one link endpoint, by terminal number, and
// the table of the commands they know.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <set>

#include "link/server.h"
#include "sim/terminal.h"

namespace corvo::sim {

class TerminalBank;

// The most bytes of blocks all the terminals keep for the control command
// `blocks` (--keep-blocks); later blocks are accepted and not kept.
inline constexpr std::size_t kMaxKeptBytes = std::size_t{64} << 20;

// A command's handler: carries the command out on the terminal and answers.
using CommandFn = link::Reply (*)(Terminal& t, TerminalBank& bank, const link::Request& r);

// The length of a command whose handler checks the length itself.
inline constexpr std::size_t kAnyLength = SIZE_MAX;

struct CommandEntry {
    CommandFn fn = nullptr;
    std::size_t length = kAnyLength;  // the one payload (send) or answer (receive) length
};

struct CommandTable {
    CommandEntry send[256];
    CommandEntry receive[256];
    void on_send(uint8_t code, std::size_t length, CommandFn fn) { send[code] = {fn, length}; }
    void on_receive(uint8_t code, std::size_t length, CommandFn fn) { receive[code] = {fn, length}; }
};

// Each family adds its commands.
void add_online_commands(CommandTable& table);
void add_config_commands(CommandTable& table);
void add_time_commands(CommandTable& table);
void add_access_list_commands(CommandTable& table);
void add_punch_commands(CommandTable& table);
void add_extras_commands(CommandTable& table);
void add_bio_commands(CommandTable& table);
void add_ossel_commands(CommandTable& table);

class TerminalBank : public link::Handler {
public:
    struct Defaults {
        uint8_t card_pattern = 1;
        std::set<uint8_t> refused;
        std::set<uint8_t> kept;  // commands whose every accepted block each terminal keeps
    };

    explicit TerminalBank(uint32_t seed = 1);

    Terminal& terminal(uint32_t number);  // made on first use, with the defaults
    bool has(uint32_t number) const { return terminals_.count(number) != 0; }
    const std::map<uint32_t, Terminal>& terminals() const { return terminals_; }
    void reset() {
        terminals_.clear();
        kept_bytes_ = 0;
    }

    link::Reply handle(const link::Request& request) override;
    void commit(uint32_t terminal) override;
    void discard(uint32_t terminal) override;

    Defaults defaults;
    std::mt19937 rng;
    bool verbose = false;
    uint64_t exchanges = 0;
    // The most terminals a control command makes (frames have the link's own cap).
    std::size_t max_terminals = link::Endpoint::kDefaultMaxTerminals;

private:
    void keep_block(Terminal& t, const link::Request& r);
    CommandTable table_;
    std::size_t kept_bytes_ = 0;  // in the terminals' kept blocks
    std::map<uint32_t, Terminal> terminals_;
};

}  // namespace corvo::sim
