// OUT.state/last: the record of each terminal's last punch. One line per
// change, "TERMINAL CONFIRMED KEY BEFORE AFTER .", appended; the last valid
// line of a terminal holds. BEFORE and AFTER are the output file's size
// before and after the commit the line belongs to.
//
// A commit writes its record lines first and then its punch lines: a commit
// cut short (a crash, a full disk) leaves record lines whose AFTER the output
// never reached. settle() finds them before anything else is written: the
// output is cut back to BEFORE and the record lines are dropped, so that the
// punches and the records of a commit are there together or not at all.
// (Its punches were never acknowledged: the terminals offer them again.)
//
// Compacted (a line per terminal, written aside and renamed over) when it has
// grown past kCompactAt. The callers hold the output file's lock
// around everything here, and append() reopens a file another process
// compacted meanwhile.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "punch_sink.h"

namespace fleet {

class RecordFile {
public:
    static constexpr long long kCompactAt = 1 << 20;

    struct Cut {  // a commit cut short: where the output and the records go back to
        long long output = -1;
        long long records = -1;
    };

    RecordFile() = default;
    ~RecordFile() { close(); }
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool open(const std::string& path, std::string& error);
    // Rewrites a long file with a line per terminal; call after settle().
    void compact_if_large();
    bool is_open() const { return fd_ >= 0; }
    // Reads what was appended since the last read (by any process) and takes
    // the lines of complete commits into the records. A commit cut short is
    // dropped from the file and returned, for the caller to cut the output.
    Cut settle(long long output_size);
    LastPunch get(int32_t terminal) const;
    // Appends `lines` (from line()) and flushes them to disk; settle() first.
    // false with `error` when it cannot (the file is then as it was).
    bool append(const std::string& lines, std::string& error);
    // Cuts the file back to `size` (a commit that failed).
    void cut(long long size);
    long long size() const;

    static std::string line(int32_t terminal, bool confirmed, const std::string& key, long long before, long long after);

private:
    struct Pending {
        int32_t terminal;
        LastPunch record;
        long long before, after, offset;
    };
    void close();
    void read_new();
    void compact(std::string& error);
    bool reopen(std::string& error);

    std::string path_;
    int fd_ = -1;
    long long read_to_ = 0;
    std::string partial_;            // a line read without its end yet
    std::vector<Pending> pending_;   // lines read, not yet settled
    std::map<int32_t, LastPunch> records_;
};

}  // namespace fleet
