#include "store.h"

#include <algorithm>

#include "log.h"

namespace collector {

namespace {

// The schema, one list of statements per version. %ID% is the key column of
// a table whose rows are numbered by the database.
const std::vector<std::vector<std::string>> kMigrations = {
    {
        "CREATE TABLE terminals (terminal BIGINT PRIMARY KEY, last_success TEXT, last_failure TEXT, last_error TEXT,"
        " successes BIGINT NOT NULL DEFAULT 0, failures BIGINT NOT NULL DEFAULT 0, punches BIGINT NOT NULL DEFAULT 0,"
        " lease_holder TEXT, lease_expires BIGINT NOT NULL DEFAULT 0, last_seq BIGINT NOT NULL DEFAULT 0,"
        " last_key TEXT NOT NULL DEFAULT '', last_confirmed INTEGER NOT NULL DEFAULT 0)",
        "CREATE TABLE punches (id %ID%, terminal BIGINT NOT NULL, seq BIGINT NOT NULL, type INTEGER NOT NULL,"
        " punch_date TEXT NOT NULL, punch_time TEXT NOT NULL, card TEXT NOT NULL, collected_at TEXT NOT NULL,"
        " punch_key TEXT NOT NULL,"
        " UNIQUE (terminal, seq))",
        "CREATE INDEX punches_collected_at ON punches (collected_at)",
        "CREATE TABLE runs (id %ID%, collector TEXT NOT NULL, started_at TEXT NOT NULL, finished_at TEXT NOT NULL,"
        " terminals BIGINT NOT NULL, failed BIGINT NOT NULL, punches BIGINT NOT NULL, commits BIGINT NOT NULL,"
        " duration_ms BIGINT NOT NULL)",
        "CREATE TABLE collectors (name TEXT PRIMARY KEY, expires BIGINT NOT NULL)",
        "CREATE TABLE access_list (card TEXT PRIMARY KEY, schedule INTEGER NOT NULL DEFAULT 0)",
    },
};
constexpr size_t kRowsPerInsert = 100;
constexpr int64_t kMigrationLock = 0x56617261;  // the advisory lock that serialises two collectors' upgrades

std::string with_ids(std::string sql, bool postgres) {
    const std::string id = postgres ? "BIGSERIAL PRIMARY KEY" : "INTEGER PRIMARY KEY AUTOINCREMENT";
    if (const auto at = sql.find("%ID%"); at != std::string::npos) sql.replace(at, 4, id);
    return sql;
}

std::string num(int64_t v) { return std::to_string(v); }


}  // namespace

Store::Store(const std::string& url) : db_(open_db(url)) { migrate(); }

std::vector<Row> Store::run(const std::string& sql, const std::vector<Value>& params) { return db_->run(sql, params); }

void Store::migrate() {
    std::lock_guard<std::mutex> lock(mutex_);
    transaction([&] {
        if (db_->postgres()) run("SELECT pg_advisory_xact_lock(" + num(kMigrationLock) + ")");
        run("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
        auto rows = run("SELECT MAX(version) FROM schema_version");
        const int64_t have = rows.empty() ? 0 : as_int(rows[0][0]);
        if (have > kSchemaVersion) {
            throw DbError(db_->where() + ": schema version " + num(have) + " is newer than this collector's (" +
                          num(kSchemaVersion) + ")");
        }
        for (int64_t v = have; v < kSchemaVersion; ++v) {
            for (const std::string& sql : kMigrations[static_cast<size_t>(v)]) run(with_ids(sql, db_->postgres()));
        }
        run("UPDATE schema_version SET version = version");  // a store that cannot be written stops the start here
        if (have < kSchemaVersion) {
            run("DELETE FROM schema_version");
            run("INSERT INTO schema_version (version) VALUES (?)", {num(kSchemaVersion)});
        }
    });
}

int Store::schema_version() {
    std::lock_guard<std::mutex> lock(mutex_);
    auto rows = run("SELECT MAX(version) FROM schema_version");
    return static_cast<int>(rows.empty() ? 0 : as_int(rows[0][0]));
}

void Store::add_terminals(const std::vector<int64_t>& numbers) {
    std::lock_guard<std::mutex> lock(mutex_);
    transaction([&] {
        for (int64_t t : numbers) run("INSERT INTO terminals (terminal) VALUES (?) ON CONFLICT DO NOTHING", {num(t)});
    });
}

TerminalRecord Store::record(int64_t terminal, std::string& lease_holder, int64_t& lease_expires) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto rows = run("SELECT last_seq, last_key, last_confirmed, lease_holder, lease_expires FROM terminals"
                    " WHERE terminal = ?",
                    {num(terminal)});
    if (rows.empty()) throw DbError(db_->where() + ": terminal " + num(terminal) + " is not in the store");
    const Row& r = rows[0];
    lease_holder = r[3].value_or("");
    lease_expires = as_int(r[4]);
    return TerminalRecord{as_int(r[0]), r[1].value_or(""), as_int(r[2]) != 0};
}

int64_t Store::commit(const std::vector<PunchRow>& rows, const std::vector<std::pair<int64_t, TerminalRecord>>& records) {
    std::lock_guard<std::mutex> lock(mutex_);
    int64_t added = 0;
    transaction([&] {
        for (size_t from = 0; from < rows.size(); from += kRowsPerInsert) {
            const size_t to = std::min(rows.size(), from + kRowsPerInsert);
            std::string sql = "INSERT INTO punches (terminal, seq, type, punch_date, punch_time, card, collected_at,"
                              " punch_key) VALUES ";
            std::vector<Value> params;
            for (size_t i = from; i < to; ++i) {
                const PunchRow& p = rows[i];
                sql += std::string(i == from ? "" : ",") + "(?,?,?,?,?,?,?,?)";
                params.insert(params.end(), {num(p.terminal), num(p.seq), num(p.type), p.date, p.time, p.card,
                                             p.collected_at, p.key});
            }
            sql += " ON CONFLICT (terminal, seq) DO NOTHING RETURNING terminal";
            const auto fresh = static_cast<int64_t>(run(sql, params).size());
            if (fresh < static_cast<int64_t>(to - from)) check_kept(rows, from, to);
            added += fresh;
        }
        update_records(records);
    });
    return added;
}

// Every terminal's record in one statement (one round trip to a server).
void Store::update_records(const std::vector<std::pair<int64_t, TerminalRecord>>& records) {
    for (size_t from = 0; from < records.size(); from += kRowsPerInsert) {
        const size_t to = std::min(records.size(), from + kRowsPerInsert);
        std::string rows;
        std::vector<Value> params;
        for (size_t i = from; i < to; ++i) {
            const auto& [terminal, r] = records[i];
            rows += i == from ? "SELECT CAST(? AS BIGINT) AS t, CAST(? AS BIGINT) AS seq, CAST(? AS TEXT) AS k,"
                                " CAST(? AS INTEGER) AS c"
                              : " UNION ALL SELECT ?, ?, ?, ?";
            params.insert(params.end(), {num(terminal), num(r.seq), r.key, r.confirmed ? "1" : "0"});
        }
        run("UPDATE terminals SET last_seq = v.seq, last_key = v.k, last_confirmed = v.c,"
            " punches = punches + (v.seq - last_seq) FROM (" + rows + ") AS v WHERE terminals.terminal = v.t",
            params);
    }
}

// A row that was there already must be the same punch (a commit that went
// through although its answer was lost); another punch in its place means two
// collectors numbered one terminal's punches at once: nothing is kept.
void Store::check_kept(const std::vector<PunchRow>& rows, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        auto have = run("SELECT punch_key FROM punches WHERE terminal = ? AND seq = ?", {num(rows[i].terminal), num(rows[i].seq)});
        if (!have.empty() && have[0][0].value_or("") != rows[i].key) {
            throw DbError(db_->where() + ": terminal " + num(rows[i].terminal) + ": punch " + num(rows[i].seq) +
                          " is already another punch (two collectors on one terminal?)");
        }
    }
}

void Store::record_result(int64_t terminal, bool ok, const std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (ok) {
        run("UPDATE terminals SET last_success = ?, successes = successes + 1 WHERE terminal = ?",
            {utc_now_text(), num(terminal)});
    } else {
        run("UPDATE terminals SET last_failure = ?, last_error = ?, failures = failures + 1 WHERE terminal = ?",
            {utc_now_text(), error, num(terminal)});
    }
}

void Store::record_run(const RunRecord& r) {
    std::lock_guard<std::mutex> lock(mutex_);
    run("INSERT INTO runs (collector, started_at, finished_at, terminals, failed, punches, commits, duration_ms)"
        " VALUES (?,?,?,?,?,?,?,?)",
        {r.collector, r.started_at, r.finished_at, num(r.terminals), num(r.failed), num(r.punches), num(r.commits),
         num(r.duration_ms)});
}

}  // namespace collector
