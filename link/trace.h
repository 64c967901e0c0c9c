// The line trace of a back-end: every frame it sends and receives, one line
// each, appended to the file named by CORVO_LINK_TRACE (off when unset or
// empty), opened with the first frame. A file that cannot be opened is
// reported once on standard error and the trace stays off.
//
//   2026-12-07T16:30:01.123Z send terminal 1 command 10 Send seq 5 length 0: c5 3a 01 ...
//
// Time in UTC to the millisecond, the direction (send / recv), terminal,
// command, frame type, sequence number, payload length and the whole frame
// in hexadecimal as it went over the line ("recv-damaged": a frame whose
// header was sound and whose check sum failed, shown re-encoded).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/frame.h"

namespace corvo::link {

class Trace {
public:
    // The trace of this back-end library (each back-end has its own copy).
    static Trace& get();
    ~Trace();

    bool on() const;
    void sent(const std::vector<uint8_t>& bytes);
    void received(const Frame& frame, bool damaged = false);

private:
    Trace();
    void write(const char* direction, const Header& header, const std::vector<uint8_t>& bytes);
    struct File;
    std::unique_ptr<File> file_;
};

// The line of one frame (without the time stamp and the newline).
std::string trace_line(const char* direction, const Header& header, const std::vector<uint8_t>& bytes);

}  // namespace corvo::link
