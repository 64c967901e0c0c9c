// The collector's store: one schema over SQLite or PostgreSQL, created and
// upgraded by the service (schema_version), holding the terminals with their
// last success and failure, the punches (unique per terminal and place in the
// terminal's order, so that a punch offered again is stored once), the passes
// and the leases of the collectors that share the fleet.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "db.h"

namespace collector {

// One punch as the store keeps it. `seq` is its place in its terminal's
// order (1, 2, ...): the terminal number and `seq` are the key. `key` is the
// fleet library's key of the punch (its terminal and every field).
struct PunchRow {
    int64_t terminal = 0, seq = 0;
    int type = 0;
    std::string date, time, card;  // "2026-12-07", "08:05", the card text
    std::string collected_at;      // UTC, "2026-12-07T08:05:31Z"
    std::string key;
};

// A terminal's record of its last punch stored: its place, its key, and
// whether a later exchange with the terminal confirmed that it was taken.
struct TerminalRecord {
    int64_t seq = 0;
    std::string key;
    bool confirmed = false;
};

// A terminal's row for the status page.
struct TerminalStatus {
    int64_t terminal = 0;
    std::string last_success, last_failure, last_error, lease_holder;
    int64_t successes = 0, failures = 0, punches = 0, punches_today = 0, lease_expires = 0;
};

// One pass of the collector, for the runs table.
struct RunRecord {
    std::string collector, started_at, finished_at;
    int64_t terminals = 0, failed = 0, punches = 0, commits = 0, duration_ms = 0;
};

class Store {
public:
    // Opens the database and brings its schema to the current version; throws DbError.
    explicit Store(const std::string& url);

    static constexpr int kSchemaVersion = 1;
    int schema_version();
    std::string where() const { return db_->where(); }
    bool postgres() const { return db_->postgres(); }

    void add_terminals(const std::vector<int64_t>& numbers);
    // The terminal's record, and who holds its lease and until when.
    TerminalRecord record(int64_t terminal, std::string& lease_holder, int64_t& lease_expires);
    // The punches and the terminals' new records in one transaction; returns
    // how many punches were new (a key already stored is kept once). Throws
    // DbError, and nothing is kept, when the commit fails.
    int64_t commit(const std::vector<PunchRow>& rows, const std::vector<std::pair<int64_t, TerminalRecord>>& records);
    void record_result(int64_t terminal, bool ok, const std::string& error);
    void record_run(const RunRecord& run);

    std::vector<TerminalStatus> terminals(const std::string& today);
    // Punches with an id above `after_id` (when set) or collected at or after
    // `from` (when set), oldest first, at most `limit`; each row starts with its id.
    std::vector<std::pair<int64_t, PunchRow>> punches_since(std::optional<int64_t> after_id,
                                                             const std::string& from, int64_t limit);

    // The access list kept in the store: card and schedule, by card.
    std::vector<std::pair<std::string, int>> access_list();

    // Leases (several collectors on one database). `now` in seconds since 1970.
    void heartbeat(const std::string& me, int64_t now, int64_t lease_s);
    int64_t live_collectors(int64_t now);
    // Renews what `me` holds, gives back what exceeds `share`, takes free or
    // expired terminals of `fleet` up to `share` (row locks, skipping locked
    // rows), and returns the terminals now held.
    std::vector<int64_t> lease(const std::string& me, int64_t now, int64_t lease_s, int64_t share,
                               const std::vector<int64_t>& fleet);
    // Extends what `me` holds, and its own presence, by `lease_s` from `now`.
    void renew(const std::string& me, int64_t now, int64_t lease_s);
    void release(const std::string& me);

private:
    std::vector<Row> run(const std::string& sql, const std::vector<Value>& params = {});
    void migrate();
    void update_records(const std::vector<std::pair<int64_t, TerminalRecord>>& records);
    void check_kept(const std::vector<PunchRow>& rows, size_t from, size_t to);
    // Runs `body` in a transaction: committed when it returns, rolled back when it throws.
    template <class F>
    void transaction(F&& body);

    std::unique_ptr<Db> db_;
    std::mutex mutex_;
};

template <class F>
void Store::transaction(F&& body) {
    run("BEGIN");
    try {
        body();
        run("COMMIT");
    } catch (...) {
        try {
            run("ROLLBACK");
        } catch (const DbError&) {
            // the connection is gone: the transaction went with it
        }
        throw;
    }
}

}  // namespace collector
