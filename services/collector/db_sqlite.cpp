// The SQLite connection: write-ahead log, full sync, a busy time-out.
#include <sqlite3.h>

#include <cstdlib>

#include "db.h"

namespace collector {

namespace {
constexpr int kBusyTimeoutMs = 10000;

class SqliteDb : public Db {
public:
    explicit SqliteDb(const std::string& path) : path_(path) {
        const int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                                       nullptr);
        if (rc != SQLITE_OK) {
            const std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
            sqlite3_close(db_);
            db_ = nullptr;
            throw DbError(path + ": cannot open the SQLite store: " + why);
        }
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        run("PRAGMA journal_mode=WAL", {});
        run("PRAGMA synchronous=FULL", {});
        run("PRAGMA foreign_keys=ON", {});
    }
    ~SqliteDb() override { sqlite3_close(db_); }

    std::vector<Row> run(const std::string& sql, const std::vector<Value>& params) override {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) fail("prepare");
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(st, sqlite3_finalize);
        for (size_t i = 0; i < params.size(); ++i) {
            const int at = static_cast<int>(i + 1);
            if (params[i]) {
                sqlite3_bind_text(st, at, params[i]->c_str(), static_cast<int>(params[i]->size()), SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_null(st, at);
            }
        }
        std::vector<Row> rows;
        for (;;) {
            const int rc = sqlite3_step(st);
            if (rc == SQLITE_DONE) break;
            if (rc != SQLITE_ROW) fail("step");
            rows.push_back(row_of(st));
        }
        return rows;
    }
    bool postgres() const override { return false; }
    std::string where() const override { return "sqlite:" + path_; }

private:
    static Row row_of(sqlite3_stmt* st) {
        Row row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            if (sqlite3_column_type(st, c) == SQLITE_NULL) {
                row.emplace_back();
            } else {
                row.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
            }
        }
        return row;
    }
    [[noreturn]] void fail(const char* step) {
        throw DbError(path_ + ": SQLite " + step + ": " + sqlite3_errmsg(db_));
    }

    std::string path_;
    sqlite3* db_ = nullptr;
};
}  // namespace

std::unique_ptr<Db> open_sqlite(const std::string& path) { return std::make_unique<SqliteDb>(path); }

long long as_int(const Value& v) { return v ? std::strtoll(v->c_str(), nullptr, 10) : 0; }

bool is_postgres_url(const std::string& store) {
    return store.rfind("postgresql://", 0) == 0 || store.rfind("postgres://", 0) == 0;
}

}  // namespace collector
