// What the status server reads from the store.
#include "store.h"

namespace collector {

std::vector<TerminalStatus> Store::terminals(const std::string& today) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto rows = run(
        "SELECT t.terminal, t.last_success, t.last_failure, t.last_error, t.lease_holder, t.successes, t.failures,"
        " t.punches, t.lease_expires, (SELECT COUNT(*) FROM punches p WHERE p.terminal = t.terminal AND"
        " p.collected_at >= ?) FROM terminals t ORDER BY t.terminal",
        {today});
    std::vector<TerminalStatus> out;
    for (const Row& r : rows) {
        TerminalStatus s;
        s.terminal = as_int(r[0]);
        s.last_success = r[1].value_or("");
        s.last_failure = r[2].value_or("");
        s.last_error = r[3].value_or("");
        s.lease_holder = r[4].value_or("");
        s.successes = as_int(r[5]);
        s.failures = as_int(r[6]);
        s.punches = as_int(r[7]);
        s.lease_expires = as_int(r[8]);
        s.punches_today = as_int(r[9]);
        out.push_back(s);
    }
    return out;
}

std::vector<std::pair<int64_t, PunchRow>> Store::punches_since(std::optional<int64_t> after_id,
                                                                const std::string& from, int64_t limit) {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::string where = after_id ? "id > ?" : "collected_at >= ?";
    auto rows = run("SELECT id, terminal, seq, type, punch_date, punch_time, card, collected_at, punch_key FROM punches WHERE " +
                        where + " ORDER BY id LIMIT ?",
                    {after_id ? std::to_string(*after_id) : from, std::to_string(limit)});
    std::vector<std::pair<int64_t, PunchRow>> out;
    for (const Row& r : rows) {
        out.emplace_back(as_int(r[0]), PunchRow{as_int(r[1]), as_int(r[2]), static_cast<int>(as_int(r[3])), *r[4],
                                                *r[5], *r[6], *r[7], *r[8]});
    }
    return out;
}

std::vector<std::pair<std::string, int>> Store::access_list() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::pair<std::string, int>> out;
    for (const Row& r : run("SELECT card, schedule FROM access_list ORDER BY card"))
        out.emplace_back(r[0].value_or(""), static_cast<int>(as_int(r[1])));
    return out;
}

}  // namespace collector
