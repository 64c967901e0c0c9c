// One connection to the store's database: SQLite (a file name) or
// PostgreSQL (a postgresql:// URL). Statements use `?` placeholders; every
// value travels as text (or NULL) and the database gives it the column's type.
#pragma once
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace collector {

using Value = std::optional<std::string>;
using Row = std::vector<Value>;

// What went wrong, in words fit for the log.
struct DbError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Db {
public:
    virtual ~Db() = default;
    // Runs a statement and returns its rows (none for most); throws DbError.
    virtual std::vector<Row> run(const std::string& sql, const std::vector<Value>& params = {}) = 0;
    virtual bool postgres() const = 0;
    // Where it is, without a password: for the log.
    virtual std::string where() const = 0;
};

bool is_postgres_url(const std::string& store);

// Opens (and for SQLite creates) the database; throws DbError.
std::unique_ptr<Db> open_sqlite(const std::string& path);
std::unique_ptr<Db> open_postgres(const std::string& url);
inline std::unique_ptr<Db> open_db(const std::string& store) {
    return is_postgres_url(store) ? open_postgres(store) : open_sqlite(store);
}

// The value as an integer (0 for NULL).
long long as_int(const Value& v);

}  // namespace collector
