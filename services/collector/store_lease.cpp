// Leases: each terminal is collected by one collector at a time. A collector
// renews what it holds, keeps no more than its share of the fleet, and takes
// free or expired terminals with row locks, skipping rows that another
// collector is taking at the same moment.
#include "store.h"

#include <algorithm>

namespace collector {

namespace {
std::string num(int64_t v) { return std::to_string(v); }
std::string in_list(const std::vector<int64_t>& v) {
    std::string s;
    for (int64_t t : v) s += (s.empty() ? "" : ",") + num(t);
    return s.empty() ? "NULL" : s;
}
}  // namespace

void Store::heartbeat(const std::string& me, int64_t now, int64_t lease_s) {
    std::lock_guard<std::mutex> lock(mutex_);
    run("INSERT INTO collectors (name, expires) VALUES (?, ?) ON CONFLICT (name) DO UPDATE SET expires = excluded.expires",
        {me, num(now + lease_s)});
}

int64_t Store::live_collectors(int64_t now) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto rows = run("SELECT COUNT(*) FROM collectors WHERE expires >= ?", {num(now)});
    return rows.empty() ? 1 : std::max<int64_t>(1, as_int(rows[0][0]));
}

std::vector<int64_t> Store::lease(const std::string& me, int64_t now, int64_t lease_s, int64_t share,
                                  const std::vector<int64_t>& fleet) {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::string until = num(now + lease_s);
    const std::string locking = db_->postgres() ? " FOR UPDATE SKIP LOCKED" : "";
    std::vector<int64_t> held;
    transaction([&] {
        run("UPDATE terminals SET lease_expires = ? WHERE lease_holder = ?", {until, me});
        for (const Row& r : run("SELECT terminal FROM terminals WHERE lease_holder = ? ORDER BY terminal", {me}))
            held.push_back(as_int(r[0]));
        while (static_cast<int64_t>(held.size()) > share) {
            run("UPDATE terminals SET lease_holder = NULL, lease_expires = 0 WHERE terminal = ?", {num(held.back())});
            held.pop_back();
        }
        const int64_t wanted = share - static_cast<int64_t>(held.size());
        if (wanted <= 0) return;
        auto free = run("SELECT terminal FROM terminals WHERE (lease_holder IS NULL OR lease_expires < ?) AND terminal IN (" +
                            in_list(fleet) + ") ORDER BY terminal LIMIT ?" + locking,
                        {num(now), num(wanted)});
        for (const Row& r : free) {
            run("UPDATE terminals SET lease_holder = ?, lease_expires = ? WHERE terminal = ?", {me, until, *r[0]});
            held.push_back(as_int(r[0]));
        }
    });
    return held;
}

void Store::release(const std::string& me) {
    std::lock_guard<std::mutex> lock(mutex_);
    run("UPDATE terminals SET lease_holder = NULL, lease_expires = 0 WHERE lease_holder = ?", {me});
    run("DELETE FROM collectors WHERE name = ?", {me});
}

}  // namespace collector

namespace collector {

void Store::renew(const std::string& me, int64_t now, int64_t lease_s) {
    std::lock_guard<std::mutex> lock(mutex_);
    run("UPDATE terminals SET lease_expires = ? WHERE lease_holder = ?", {std::to_string(now + lease_s), me});
    run("UPDATE collectors SET expires = ? WHERE name = ?", {std::to_string(now + lease_s), me});
}

}  // namespace collector
