#include "file_sink.h"

#include "os.h"
#include "text.h"

namespace fleet {

namespace {

// The file's first line (at most 256 bytes), without its end.
std::string first_line(int fd) {
    char buf[256];
    const long long n = os::read_at(fd, buf, sizeof buf, 0);
    std::string s(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
    return s.substr(0, s.find('\n'));
}

// A line of the file quoted for a message.
std::string quoted(const std::string& raw) {
    std::string s(1, '"');
    s += printable(raw);
    s += '"';
    return s;
}

}  // namespace

FileSink::FileSink(const FileSinkOptions& o)
    : options_(o), name_(o.path.empty() ? "standard output" : o.path),
      committer_([this](const std::vector<Entry>& batch) { return commit(batch); }) {}

FileSink::~FileSink() {
    locks_.clear();
    if (out_fd_ > 2) os::close_file(out_fd_);
}

std::unique_ptr<FileSink> FileSink::open(const FileSinkOptions& o, std::string& error, std::string& notice) {
    std::unique_ptr<FileSink> sink(new FileSink(o));
    error = sink->open_output(notice);
    if (!error.empty()) sink.reset();
    return sink;
}

std::string FileSink::open_output(std::string& notice) {
    if (options_.path.empty()) {
        out_fd_ = 1;
        if (!options_.header.empty() && !os::write_all(1, options_.header)) return "cannot write to standard output";
        return {};
    }
    out_fd_ = os::open_append(options_.path);
    if (out_fd_ < 0) return options_.path + ": cannot open for writing (" + os::error_text() + ")";
    if (!os::is_regular(out_fd_)) return {};  // a device or a pipe: written as a stream
    regular_ = true;
    if (!os::lock(out_fd_, true)) return options_.path + ": cannot lock (" + os::error_text() + ")";
    std::string e = open_records();  // first: a commit cut short is undone whole
    if (e.empty()) e = repair_last_line(notice);
    if (e.empty()) e = check_format_or_header();
    os::unlock(out_fd_);
    return e;
}

// A last line without its end is cut off: its punch was never acknowledged.
std::string FileSink::repair_last_line(std::string& notice) {
    const os::Offset size = os::size_of(out_fd_);
    if (size <= 0) return {};
    os::Offset keep = size;
    std::string tail;
    for (char c = 0; keep > 0 && os::read_at(out_fd_, &c, 1, keep - 1) == 1 && c != '\n'; --keep)
        tail.insert(tail.begin(), c);
    if (keep == size) return {};
    if (!os::truncate_to(out_fd_, keep) || !os::sync(out_fd_))
        return options_.path + ": its last line " + quoted(tail) + " is cut short and cannot be removed (" + os::error_text() +
               "); remove it by hand, nothing was appended";
    notice = options_.path + ": removed a cut-short last line " + quoted(tail) +
             " (a write that never ended); its punch was not acknowledged and is collected again";
    return {};
}

// A new file gets the header; an old one must hold the same kind of lines.
std::string FileSink::check_format_or_header() {
    if (os::size_of(out_fd_) == 0) {
        if (options_.header.empty() || (os::write_all(out_fd_, options_.header) && os::sync(out_fd_))) return {};
        const std::string e = os::error_text();
        os::truncate_to(out_fd_, 0);  // an empty file, as it was
        return options_.path + ": cannot write (" + e + ")";
    }
    const std::string first = first_line(out_fd_);
    const std::string header = options_.header.substr(0, options_.header.find('\n'));
    const bool json_file = !first.empty() && first[0] == '{';
    if (header.empty() ? json_file : first == header) return {};
    return options_.path + ": holds " + (json_file ? "JSON lines" : "other lines (" + quoted(first) + ")") +
           "; these punches go as " + (header.empty() ? "JSON lines" : "CSV") +
           ": choose another file or the matching format";
}

std::string FileSink::state_folder() const { return options_.path + ".state"; }

std::string FileSink::open_records() {
    const std::string folder = state_folder();
    if (!os::make_folder(folder))
        return folder + ": cannot make the folder of the punch records (" + os::error_text() + ")";
    std::string error;
    if (records_.open(folder + "/last", error)) {
        settle_records();
        records_.compact_if_large();
    }
    return error;
}

std::string FileSink::lock_path(int32_t terminal) const {
    const std::string t = std::to_string(terminal);
    if (records_.is_open()) return state_folder() + "/terminal-" + t + ".lock";
    return os::temp_folder() + "/varanda-" + os::user_name() + "-" + options_.lock_scope + "-terminal-" + t + ".lock";
}

std::string FileSink::claim(int32_t terminal) {
    std::lock_guard<std::mutex> g(lock_);
    auto lock = std::make_unique<TerminalLock>();
    const std::string e = lock->take(lock_path(terminal), holder_text(options_.holder));
    if (!e.empty()) return e;
    locks_[terminal] = std::move(lock);
    if (records_.is_open() && os::lock(out_fd_, true)) {  // what an earlier collector of this terminal stored
        settle_records();
        os::unlock(out_fd_);
    }
    return {};
}

void FileSink::release(int32_t terminal) {
    std::lock_guard<std::mutex> g(lock_);
    locks_.erase(terminal);
}

LastPunch FileSink::last(int32_t terminal) {
    std::lock_guard<std::mutex> g(lock_);
    if (records_.is_open()) return records_.get(terminal);
    const auto it = stream_records_.find(terminal);
    return it == stream_records_.end() ? LastPunch{} : it->second;
}

std::string FileSink::store(const Punch& p) {
    return committer_.submit({p.terminal, punch_key(p), options_.line(p)});
}

std::string FileSink::confirm(int32_t terminal) {
    const LastPunch r = last(terminal);
    if (r.key.empty() || r.confirmed) return {};
    return committer_.submit({terminal, r.key, std::string()});
}

std::string FileSink::commit(const std::vector<Entry>& batch) {
    std::lock_guard<std::mutex> g(lock_);
    if (broken_) return "an earlier write to " + name_ + " failed";
    std::string lines;
    for (const Entry& e : batch) lines += e.line;
    const std::string error = regular_ ? write_lines(lines, batch) : write_stream(lines);
    if (!error.empty() || regular_) return error;
    for (const Entry& e : batch) stream_records_[e.terminal] = {e.key, e.line.empty()};
    return {};
}

std::string FileSink::write_stream(const std::string& lines) {
    if (lines.empty() || os::write_all(out_fd_, lines)) return {};
    return "cannot write to " + name_ + " (" + os::error_text() + ")";
}

// Takes the records of complete commits; a commit another collector left
// cut short is undone in the output too. The output's lock is held.
void FileSink::settle_records() {
    const os::Offset size = os::size_of(out_fd_);
    const RecordFile::Cut cut = records_.settle(size);
    if (cut.output >= 0 && cut.output < size && os::truncate_to(out_fd_, cut.output)) os::sync(out_fd_);
}

// The records of the batch, then its punches, each flushed to disk; on a
// failure both files are cut back to what they were. A crash in between
// leaves records whose commit settle_records() undoes.
std::string FileSink::write_lines(const std::string& lines, const std::vector<Entry>& batch) {
    if (!os::lock(out_fd_, true)) return name_ + ": cannot lock (" + os::error_text() + ")";
    settle_records();
    const os::Offset before = os::size_of(out_fd_), after = before + static_cast<os::Offset>(lines.size());
    std::string records, error;
    for (const Entry& e : batch) records += RecordFile::line(e.terminal, e.line.empty(), e.key, before, after);
    const long long records_before = records_.size();
    if (!records_.append(records, error)) {
        error = "cannot write beside " + name_ + ": " + error;
    } else if (!lines.empty() && (!os::write_all(out_fd_, lines) || !os::sync(out_fd_))) {
        error = "cannot write to " + name_ + " (" + os::error_text() + ")";
        if (!os::truncate_to(out_fd_, before)) broken_ = true;
        records_.cut(records_before);
    }
    if (error.empty()) settle_records();  // takes this batch's records
    os::unlock(out_fd_);
    return broken_ ? error + "; and the punches written in part cannot be removed" : error;
}

}  // namespace fleet
