#include "sim/state_journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "sim/state_file.h"
#include "sim/state_records.h"

namespace corvo::sim {

namespace {
constexpr std::size_t kFlushBytes = std::size_t{1} << 20;  // compaction writes in pieces of this size
constexpr mode_t kFileMode = 0644;

bool write_all(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void punch_line(std::string& out, uint32_t number, const Punch& p) {
    RecordWriter(out, "punch")
        .number(number).number(p.type).number(p.day).number(p.month).number(p.year).number(p.hour)
        .number(p.minute).number(p.card).number(p.id)
        .end();
}

void header_line(std::string& out, uint32_t number, const Terminal& t) {
    RecordWriter(out, "terminal")
        .number(number).number(t.next_punch_id).number(t.punches_delivered)
        .number(static_cast<uint64_t>(t.handed)).number(t.last_session).number(t.last_seq)
        .end();
}

bool same(const Terminal& t, std::size_t count, uint64_t delivered, uint16_t next_id, Terminal::Handed handed,
          uint32_t session, uint16_t seq) {
    return t.punches.size() == count && t.punches_delivered == delivered && t.next_punch_id == next_id &&
           t.handed == handed && t.last_session == session && t.last_seq == seq;
}
}  // namespace

StateJournal::~StateJournal() {
    if (fd_ >= 0) close(fd_);
}

bool StateJournal::start(const std::string& path, std::string& error) {
    path_ = path;
    if (compact()) return true;
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
}

void StateJournal::terminal_lines(std::string& out, uint32_t number, const Terminal& t) {
    auto it = kept_.find(number);
    std::size_t from = 0;  // the first punch not in the file yet
    if (it != kept_.end()) {
        const Kept& k = it->second;
        if (same(t, k.count, k.delivered, k.next_id, k.handed, k.session, k.seq)) return;
        // Each punch acknowledged left the front and was counted.
        const uint64_t gone = t.punches_delivered - k.delivered;
        if (t.punches_delivered >= k.delivered && gone <= k.count && t.punches.size() >= k.count - gone) {
            if (gone > 0) RecordWriter(out, "delivered").number(number).number(gone).end();
            from = k.count - gone;
        } else {
            RecordWriter(out, "forget").number(number).end();  // not the same memory any more: written anew
            it = kept_.end();
        }
    }
    header_line(out, number, t);
    for (std::size_t i = from; i < t.punches.size(); ++i) punch_line(out, number, t.punches[i]);
    kept_[number] = {t.punches.size(), t.punches_delivered, t.next_punch_id, t.handed, t.last_session, t.last_seq};
}

void StateJournal::memory_lines(std::string& out, uint32_t number) {
    const auto found = endpoint_.memory().find(number);
    if (found == endpoint_.memory().end()) return;
    const link::Endpoint::Memory& m = found->second;
    const KeptMemory now{m.session, m.fingerprint, m.last_seq, m.pending_seq, m.has_last, m.last_answer.size()};
    auto it = kept_memory_.find(number);
    if (it != kept_memory_.end() && it->second == now) return;
    RecordWriter(out, "memory")
        .number(number).number(m.session).number(m.last_seq).number(m.has_last ? 1 : 0).number(m.fingerprint)
        .number(m.pending_seq).hex(m.last_answer)
        .end();
    kept_memory_[number] = now;
}

bool StateJournal::record(uint32_t number) {
    std::string out;
    if (bank_.has(number)) terminal_lines(out, number, bank_.terminals().at(number));
    memory_lines(out, number);
    return append(out);
}

bool StateJournal::record_all() {
    std::string out;
    for (auto it = kept_.begin(); it != kept_.end();) {
        if (bank_.has(it->first)) {
            ++it;
            continue;
        }
        RecordWriter(out, "forget").number(it->first).end();
        it = kept_.erase(it);
    }
    for (const auto& [number, t] : bank_.terminals()) terminal_lines(out, number, t);
    for (const auto& [number, m] : endpoint_.memory()) memory_lines(out, number);
    return append(out);
}

bool StateJournal::append(const std::string& lines) {
    if (lines.empty()) return true;
    if (fd_ < 0 || !write_all(fd_, lines)) return false;
    journal_bytes_ += lines.size();
    if (journal_bytes_ > std::max(snapshot_bytes_, kMinJournalBytes)) return compact();
    return true;
}

bool StateJournal::compact() {
    const std::string tmp = path_ + ".tmp";
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
    if (fd < 0) return false;
    kept_.clear();
    kept_memory_.clear();
    std::string out;
    RecordWriter(out, kStateMagic).number(kStateFormat).end();
    uint64_t total = 0;
    bool ok = true;
    auto flush = [&](std::size_t above) {
        if (out.size() <= above) return;
        ok = ok && write_all(fd, out);
        total += out.size();
        out.clear();
    };
    for (const auto& [number, t] : bank_.terminals()) {
        terminal_lines(out, number, t);
        flush(kFlushBytes);
    }
    for (const auto& [number, m] : endpoint_.memory()) memory_lines(out, number);
    RecordWriter(out, "journal").end();
    flush(0);
    ok = close(fd) == 0 && ok && std::rename(tmp.c_str(), path_.c_str()) == 0;
    if (!ok) return false;
    if (fd_ >= 0) close(fd_);
    fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    snapshot_bytes_ = total;
    journal_bytes_ = 0;
    return fd_ >= 0;
}

}  // namespace corvo::sim
