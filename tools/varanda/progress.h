// The progress of a collection on standard error: a bar redrawn in place when
// standard error is a terminal, else a plain line every 10 %.
#pragma once
#include <chrono>
#include <cstdint>

namespace vtool {

class Progress {
public:
    Progress(int32_t terminal, long total);
    void update(long done);
    void finish();  // ends the bar's line

private:
    void draw(long done);
    int32_t terminal_;
    long total_;
    bool tty_;
    int last_tenth_ = 0;
    std::chrono::steady_clock::time_point start_, last_draw_;
    bool drawn_ = false;
};

}  // namespace vtool
