// The fleet library's punch sink over the store: the collection loop hands
// each punch in, the punches of every terminal that arrive together are
// committed in one transaction (fleet::GroupCommit), and store() returns, so
// the loop may acknowledge the punch to the terminal, only after that commit.
#pragma once
#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>

#include "group_commit.h"
#include "punch_sink.h"
#include "store.h"

namespace collector {

class StoreSink : public fleet::PunchSink {
public:
    // `me` is this collector's name, the lease holder it expects for every
    // terminal it claims; `clock` gives the time in seconds since 1970.
    StoreSink(Store& store, std::string me);

    std::string claim(int32_t terminal) override;
    void release(int32_t terminal) override;
    fleet::LastPunch last(int32_t terminal) override;
    std::string store(const fleet::Punch& p) override;
    std::string confirm(int32_t terminal) override;

    int64_t commits() const { return commits_; }
    int64_t stored() const { return stored_; }

private:
    struct Entry {
        int32_t terminal = 0;
        bool punch = false;  // false: a confirmation
        fleet::Punch p;
    };
    std::string commit(const std::vector<Entry>& batch);
    std::string settle_owed(int32_t terminal, TerminalRecord& record);

    // A punch whose commit failed. The terminal let go of it at the next
    // request this process sent it, so it is stored before anything more is
    // sent to that terminal, unless another collector collected the terminal
    // meanwhile (the record moved on: the terminal offered it to that one).
    struct Owed {
        fleet::Punch p;
        int64_t base_seq = 0;
    };
    std::map<int32_t, Owed> owed_;

    Store& store_;
    std::string me_;
    std::mutex mutex_;
    std::map<int32_t, TerminalRecord> records_;  // of the terminals claimed
    std::atomic<int64_t> commits_{0}, stored_{0};
    fleet::GroupCommit<Entry> committer_;
};

// The punch as the store keeps it (its seq not yet given).
PunchRow punch_row(const fleet::Punch& p, const std::string& collected_at);

}  // namespace collector
