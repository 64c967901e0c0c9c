// Keeps the state file (sim/state_file.h) up to date at the cost of what
// changed: after each exchange, the lines for what changed on its terminal
// are appended to the journal in one write, before the answer leaves, so
// that a kill at any moment loses nothing acknowledged. When the journal
// has grown past the snapshot (and past kMinJournalBytes), the whole state
// is written afresh to FILE.tmp and renamed over FILE (compaction), so that
// an exchange costs the same however many punches are stored.
//
// The writes are not synced to the disk: the file survives the emulator's
// end, not the machine's.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "link/server.h"
#include "sim/bank.h"

namespace corvo::sim {

inline constexpr uint64_t kMinJournalBytes = uint64_t{4} << 20;

class StateJournal {
public:
    StateJournal(TerminalBank& bank, link::Endpoint& endpoint) : bank_(bank), endpoint_(endpoint) {}
    ~StateJournal();
    StateJournal(const StateJournal&) = delete;
    StateJournal& operator=(const StateJournal&) = delete;

    // Writes the whole state to `path` and keeps the journal there from now on.
    bool start(const std::string& path, std::string& error);
    // Appends what changed on terminal `number` (and the link's memory of it).
    bool record(uint32_t number);
    // Appends what changed on every terminal (after a control command).
    bool record_all();
    const std::string& path() const { return path_; }

private:
    // What the file says about a terminal, to tell what changed.
    struct Kept {
        std::size_t count = 0;
        uint64_t delivered = 0;
        uint16_t next_id = 0;
        Terminal::Handed handed = Terminal::Handed::Nothing;
        uint32_t session = 0;
        uint16_t seq = 0;
    };
    struct KeptMemory {
        uint32_t session = 0, fingerprint = 0;
        uint16_t last_seq = 0, pending_seq = 0;
        bool has_last = false;
        std::size_t answer_size = 0;
        bool operator==(const KeptMemory&) const = default;
    };
    void terminal_lines(std::string& out, uint32_t number, const Terminal& t);
    void memory_lines(std::string& out, uint32_t number);
    bool append(const std::string& lines);
    bool compact();

    TerminalBank& bank_;
    link::Endpoint& endpoint_;
    std::string path_;
    int fd_ = -1;
    uint64_t snapshot_bytes_ = 0, journal_bytes_ = 0;
    std::map<uint32_t, Kept> kept_;
    std::map<uint32_t, KeptMemory> kept_memory_;
};

}  // namespace corvo::sim
