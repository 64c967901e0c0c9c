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

std::string RecordFile::line(int32_t terminal, bool confirmed, const std::string& key) {
    return std::to_string(terminal) + (confirmed ? " 1 " : " 0 ") + key + " .\n";
}

void RecordFile::close() {
    if (fd_ >= 0) os::close_file(fd_);
    fd_ = -1;
}

bool RecordFile::open(const std::string& path, std::string& error) {
    path_ = path;
    return reopen(error) && (read_to_ < kCompactAt || compact(error));
}

// (Re)opens path_ and reads it whole.
bool RecordFile::reopen(std::string& error) {
    close();
    partial_.clear();
    read_to_ = 0;
    records_.clear();
    fd_ = os::open_append(path_);
    if (fd_ < 0) {
        error = path_ + ": cannot open the punch records (" + os::error_text() + ")";
        return false;
    }
    refresh();
    return true;
}

void RecordFile::refresh() {
    char buf[65536];
    long long n;
    while ((n = os::read_at(fd_, buf, sizeof buf, read_to_)) > 0) {
        read_to_ += n;
        take(std::string(buf, static_cast<std::size_t>(n)));
    }
}

void RecordFile::take(const std::string& text) {
    partial_ += text;
    std::size_t start = 0, end;
    while ((end = partial_.find('\n', start)) != std::string::npos) {
        std::istringstream in(partial_.substr(start, end - start));
        long terminal = 0;
        int confirmed = 0;
        std::string key, end_mark;
        // A line cut short by a failed write lacks its end mark and is skipped.
        if (in >> terminal >> confirmed >> key >> end_mark && end_mark == ".")
            records_[static_cast<int32_t>(terminal)] = {key, confirmed == 1};
        start = end + 1;
    }
    partial_.erase(0, start);
}

LastPunch RecordFile::get(int32_t terminal) const {
    const auto it = records_.find(terminal);
    return it == records_.end() ? LastPunch{} : it->second;
}

bool RecordFile::compact(std::string& error) {
    std::string text;
    for (const auto& [t, r] : records_) text += line(t, r.confirmed, r.key);
    const std::string aside = path_ + ".new";
    std::remove(aside.c_str());
    const int fd = os::open_append(aside);
    bool ok = fd >= 0 && os::write_all(fd, text) && os::sync(fd);
    if (fd >= 0) os::close_file(fd);
    close();  // Windows renames no file that is open
    ok = ok && replace_file(aside, path_);
    if (!ok) std::remove(aside.c_str());  // the long file still serves; compacting waits for another time
    return reopen(error);
}

bool RecordFile::reopen_if_replaced(std::string& error) {
    return os::same_file(fd_, path_) || reopen(error);
}

bool RecordFile::append(const std::string& lines, std::string& error) {
    if (!reopen_if_replaced(error)) return false;
    refresh();
    const os::Offset before = os::size_of(fd_);
    // After a line cut short, the new lines start on a line of their own.
    const std::string text = partial_.empty() ? lines : "\n" + lines;
    if (os::write_all(fd_, text) && os::sync(fd_)) {
        refresh();
        return true;
    }
    error = path_ + ": cannot write the punch records (" + os::error_text() + ")";
    os::truncate_to(fd_, before);  // when it cannot, the line cut short is skipped when read
    return false;
}

}  // namespace fleet
