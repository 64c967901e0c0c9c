// OUT.state/last: the record of each terminal's last punch, one line
// "TERMINAL CONFIRMED KEY" per change, appended; the last line of a terminal
// holds. Compacted (a line per terminal, written aside and renamed over)
// when it has grown past kCompactAt at open. The callers hold the output
// file's flock around open() and append(), so that no process appends while
// another compacts, and append() reopens the file that a compaction replaced.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "punch_sink.h"

namespace fleet {

class RecordFile {
public:
    static constexpr long long kCompactAt = 1 << 20;

    RecordFile() = default;
    ~RecordFile() { close(); }
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool open(const std::string& path, std::string& error);
    bool is_open() const { return fd_ >= 0; }
    // Reads what was appended since the last read (by any process).
    void refresh();
    LastPunch get(int32_t terminal) const;
    // Appends `lines` (whole "T C KEY\n" lines), flushes them to disk and
    // takes them into the records; on failure the file is cut back to what
    // it was and false is returned with `error`.
    bool append(const std::string& lines, std::string& error);

    static std::string line(int32_t terminal, bool confirmed, const std::string& key);

private:
    void close();
    void take(const std::string& text);
    bool compact(std::string& error);
    bool reopen_if_replaced(std::string& error);
    bool reopen(std::string& error);

    std::string path_;
    int fd_ = -1;
    long long read_to_ = 0;
    std::string partial_;  // a line read without its end yet
    std::map<int32_t, LastPunch> records_;
};

}  // namespace fleet
