#include "store_sink.h"

#include <cstdio>
#include <ctime>

#include "log.h"

namespace collector {

PunchRow punch_row(const fleet::Punch& p, const std::string& collected_at) {
    char date[16], time[8];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", 2000 + p.year % 100, p.month % 100, p.day % 100);
    std::snprintf(time, sizeof time, "%02d:%02d", p.hour % 100, p.minute % 100);
    return PunchRow{p.terminal, 0, p.type, date, time, fleet::card_text(p), collected_at, fleet::punch_key(p)};
}

StoreSink::StoreSink(Store& store, std::string me)
    : store_(store), me_(std::move(me)), committer_([this](const std::vector<Entry>& b) { return commit(b); }) {}

std::string StoreSink::claim(int32_t terminal) {
    std::string holder;
    int64_t expires = 0;
    TerminalRecord record;
    try {
        record = store_.record(terminal, holder, expires);
    } catch (const DbError& e) {
        return e.what();
    }
    const int64_t now = std::time(nullptr);
    if (holder != me_ && !holder.empty() && expires >= now) return "leased by collector " + holder;
    if (holder != me_) return "not leased by this collector";
    std::lock_guard<std::mutex> lock(mutex_);
    if (records_.count(terminal)) return "already being collected by this collector";
    if (std::string e = settle_owed(terminal, record); !e.empty()) return e;
    records_.emplace(terminal, record);
    return {};
}

std::string StoreSink::settle_owed(int32_t terminal, TerminalRecord& record) {
    const auto it = owed_.find(terminal);
    if (it == owed_.end()) return {};
    if (record.seq != it->second.base_seq) {
        log_warn("terminal " + std::to_string(terminal) + ": collected by another collector since a commit failed here;"
                 " the punch of that commit was offered to it");
        owed_.erase(it);
        return {};
    }
    PunchRow row = punch_row(it->second.p, utc_now_text());
    row.seq = record.seq + 1;
    const TerminalRecord next{row.seq, row.key, false};
    try {
        stored_ += store_.commit({row}, {{terminal, next}});
    } catch (const DbError& e) {
        return std::string("the punch of a failed commit is still not stored: ") + e.what();
    }
    log_info("terminal " + std::to_string(terminal) + ": the punch of a failed commit is stored now");
    ++commits_;
    record = next;
    owed_.erase(it);
    return {};
}

void StoreSink::release(int32_t terminal) {
    std::lock_guard<std::mutex> lock(mutex_);
    records_.erase(terminal);
}

fleet::LastPunch StoreSink::last(int32_t terminal) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = records_.find(terminal);
    if (it == records_.end()) return {};
    return fleet::LastPunch{it->second.key, it->second.confirmed};
}

std::string StoreSink::store(const fleet::Punch& p) { return committer_.submit(Entry{p.terminal, true, p}); }

std::string StoreSink::confirm(int32_t terminal) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto it = records_.find(terminal);
        if (it == records_.end() || it->second.confirmed || it->second.key.empty()) return {};
    }
    return committer_.submit(Entry{terminal, false, {}});
}

// One transaction for the batch: each punch takes the next place of its
// terminal, and each terminal's record follows its entries.
std::string StoreSink::commit(const std::vector<Entry>& batch) {
    const std::string now = utc_now_text();
    std::vector<PunchRow> rows;
    std::map<int32_t, TerminalRecord> next;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Entry& e : batch) {
            auto& r = next.emplace(e.terminal, records_[e.terminal]).first->second;
            if (!e.punch) {
                r.confirmed = true;
                continue;
            }
            rows.push_back(punch_row(e.p, now));
            rows.back().seq = ++r.seq;
            r.key = rows.back().key;
            r.confirmed = false;
        }
    }
    try {
        stored_ += store_.commit(rows, std::vector<std::pair<int64_t, TerminalRecord>>(next.begin(), next.end()));
        ++commits_;
    } catch (const DbError& e) {
        log_error("store: a commit of " + std::to_string(rows.size()) + " punches failed: " + e.what());
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Entry& en : batch) {
            if (en.punch) owed_[en.terminal] = Owed{en.p, records_[en.terminal].seq};
        }
        return e.what();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [t, r] : next) records_[t] = r;
    return {};
}

}  // namespace collector
