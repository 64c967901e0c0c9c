#include "record_file.h"

#include <cstdio>
#include <sstream>

#include "os.h"

namespace fleet {

namespace {
// Renames `from` over `to`.
bool replace_file(const std::string& from, const std::string& to) {
#if defined(_WIN32)
    std::remove(to.c_str());
#endif
    return std::rename(from.c_str(), to.c_str()) == 0;
}
}  // namespace

std::string RecordFile::line(int32_t terminal, bool confirmed, const std::string& key, long long before,
                             long long after) {
    return std::to_string(terminal) + (confirmed ? " 1 " : " 0 ") + key + " " + std::to_string(before) + " " +
           std::to_string(after) + " .\n";
}

void RecordFile::close() {
    if (fd_ >= 0) os::close_file(fd_);
    fd_ = -1;
}

bool RecordFile::open(const std::string& path, std::string& error) {
    path_ = path;
    return reopen(error);
}

void RecordFile::compact_if_large() {
    std::string error;
    if (read_to_ >= kCompactAt) compact(error);
}

// (Re)opens path_; its lines are read by the next settle().
bool RecordFile::reopen(std::string& error) {
    close();
    partial_.clear();
    pending_.clear();
    read_to_ = 0;
    records_.clear();
    fd_ = os::open_append(path_);
    if (fd_ >= 0) return true;
    error = path_ + ": cannot open the punch records (" + os::error_text() + ")";
    return false;
}

void RecordFile::read_new() {
    char buf[65536];
    long long n;
    while ((n = os::read_at(fd_, buf, sizeof buf, read_to_)) > 0) {
        const long long start = read_to_ - static_cast<long long>(partial_.size());
        read_to_ += n;
        partial_.append(buf, static_cast<std::size_t>(n));
        std::size_t from = 0, end;
        while ((end = partial_.find('\n', from)) != std::string::npos) {
            std::istringstream in(partial_.substr(from, end - from));
            Pending p{};
            int confirmed = 0;
            std::string mark;
            // A line cut short by a failed write lacks its end mark and is skipped.
            if (in >> p.terminal >> confirmed >> p.record.key >> p.before >> p.after >> mark && mark == ".") {
                p.record.confirmed = confirmed == 1;
                p.offset = start + static_cast<long long>(from);
                pending_.push_back(p);
            }
            from = end + 1;
        }
        partial_.erase(0, from);
    }
}

RecordFile::Cut RecordFile::settle(long long output_size) {
    if (std::string e; !os::same_file(fd_, path_) && !reopen(e)) return {};  // compacted by another process
    read_new();
    Cut cut;
    for (const Pending& p : pending_) {
        if (p.after > output_size) {  // this commit never reached the output whole
            cut = {p.before, p.offset};
            break;
        }
        records_[p.terminal] = p.record;
    }
    pending_.clear();
    if (cut.records >= 0) this->cut(cut.records);
    return cut;
}

LastPunch RecordFile::get(int32_t terminal) const {
    const auto it = records_.find(terminal);
    return it == records_.end() ? LastPunch{} : it->second;
}

long long RecordFile::size() const { return os::size_of(fd_); }

void RecordFile::cut(long long size) {
    os::truncate_to(fd_, size);  // when it cannot, settle() finds the lines again
    os::sync(fd_);
    read_to_ = size;
    partial_.clear();
}

void RecordFile::compact(std::string& error) {
    std::string text;
    for (const auto& [t, r] : records_) text += line(t, r.confirmed, r.key, 0, 0);
    const std::string aside = path_ + ".new";
    std::remove(aside.c_str());
    const int fd = os::open_append(aside);
    bool ok = fd >= 0 && os::write_all(fd, text) && os::sync(fd);
    if (fd >= 0) os::close_file(fd);
    close();  // Windows renames no file that is open
    ok = ok && replace_file(aside, path_);
    if (!ok) std::remove(aside.c_str());  // the long file still serves; compacting waits for another time
    if (reopen(error)) settle(0);
}

bool RecordFile::append(const std::string& lines, std::string& error) {
    const long long before = os::size_of(fd_);
    // After a line cut short, the new lines start on a line of their own.
    const std::string text = partial_.empty() ? lines : "\n" + lines;
    if (os::write_all(fd_, text) && os::sync(fd_)) return true;
    error = path_ + ": cannot write the punch records (" + os::error_text() + ")";
    cut(before);
    return false;
}

}  // namespace fleet
