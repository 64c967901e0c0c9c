// The progress of a terminal's collection on standard error: a bar redrawn
// in place when standard error is a terminal and one terminal is collected at
// a time, else a whole line every 10 % ("1/3 punches (33 %)").
#pragma once
#include <chrono>
#include <cstdint>

#include "runner.h"

namespace vtool {

class Progress {
public:
    Progress(int32_t terminal, bool bar_allowed, fleet::Output& out);
    void update(long done, long total);
    void finish();  // ends the bar's line

private:
    void draw(long done, long total);
    int32_t terminal_;
    bool tty_;
    fleet::Output& out_;
    int last_tenth_ = 0;
    std::chrono::steady_clock::time_point start_, last_draw_;
    bool drawn_ = false;
};

}  // namespace vtool
