// The punches of a collection appended to a file (CSV or JSON lines, one
// punch a line) or written to standard output.
//
// Beside a file OUT it keeps OUT.state/: `last`, the record of each terminal's
// last punch (record_file.h: written and flushed with the punches of each
// commit, so that after a crash both or neither are there), and
// `terminal-T.lock`, the lock of each terminal being collected into OUT.
// Punches of many terminals that arrive together are written and flushed in
// one commit (group_commit.h).
//
// Lines are written whole. A last line without its end (a crash or a full
// disk in the middle of a write) is found when the file is opened: it is cut
// off (it was never acknowledged to the terminal, which offers that punch
// again) and reported, or, when it cannot be cut, the open fails.
//
// Standard output keeps no record and no lock in the output's place: the
// lock of each terminal is then taken in the temporary folder, named after the
// connection (`lock_scope`), and a punch written is one that reached the pipe.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "group_commit.h"
#include "punch_sink.h"
#include "record_file.h"
#include "terminal_lock.h"

namespace fleet {

struct FileSinkOptions {
    std::string path;                                // "" : standard output
    std::function<std::string(const Punch&)> line;   // the punch as a whole line, "\n" included
    std::string header;                              // written first into a new or empty file ("" none)
    std::string holder = "varanda collect";          // the program named in the lock files
    std::string lock_scope;                          // with standard output: names the connection ("tcp-3000")
};

class FileSink : public PunchSink {
public:
    // Opens (creates) the output, repairs a partial last line, writes the
    // header into an empty file and loads the records. Null with `error` set
    // when it cannot; `notice` tells what was repaired ("" when nothing).
    static std::unique_ptr<FileSink> open(const FileSinkOptions& o, std::string& error, std::string& notice);
    ~FileSink() override;

    std::string claim(int32_t terminal) override;
    void release(int32_t terminal) override;
    LastPunch last(int32_t terminal) override;
    std::string store(const Punch& p) override;
    std::string confirm(int32_t terminal) override;

    // "punches.csv" or "standard output".
    const std::string& name() const { return name_; }

private:
    struct Entry {
        int32_t terminal;
        std::string key;
        std::string line;  // "" : a confirmation
    };
    explicit FileSink(const FileSinkOptions& o);
    std::string open_output(std::string& notice);
    std::string repair_last_line(std::string& notice);
    std::string check_format_or_header();
    std::string open_records();
    std::string state_folder() const;
    std::string lock_path(int32_t terminal) const;
    std::string commit(const std::vector<Entry>& batch);
    std::string write_lines(const std::string& lines, const std::vector<Entry>& batch);
    std::string write_stream(const std::string& lines);
    void settle_records();

    FileSinkOptions options_;
    std::string name_;
    int out_fd_ = -1;      // the output (1: standard output)
    bool regular_ = false; // a regular file: it gets records and is flushed to disk
    bool broken_ = false;  // a write failed and could not be undone: nothing more is stored
    std::mutex lock_;      // the records, the locks and the files
    RecordFile records_;   // OUT.state/last; closed with standard output
    std::map<int32_t, LastPunch> stream_records_;  // standard output's records, this run only
    std::map<int32_t, std::unique_ptr<TerminalLock>> locks_;
    GroupCommit<Entry> committer_;
};

}  // namespace fleet
