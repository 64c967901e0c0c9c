#include "progress.h"

#include <cstdio>

#if defined(_WIN32)
#  include <io.h>
#  define VTOOL_ISATTY(fd) _isatty(fd)
#else
#  include <unistd.h>
#  define VTOOL_ISATTY(fd) isatty(fd)
#endif

namespace vtool {

Progress::Progress(int32_t terminal, bool bar_allowed, fleet::Output& out)
    : terminal_(terminal), tty_(bar_allowed && VTOOL_ISATTY(2) != 0), out_(out),
      start_(std::chrono::steady_clock::now()), last_draw_(start_) {}

void Progress::update(long done, long total) {
    if (total <= 0) return;
    if (tty_) {
        const auto now = std::chrono::steady_clock::now();
        if (now - last_draw_ >= std::chrono::milliseconds(100) || done >= total) {
            last_draw_ = now;
            draw(done, total);
        }
        return;
    }
    const int tenth = static_cast<int>(done * 10 / total);
    if (tenth > last_tenth_ && tenth <= 10) {
        last_tenth_ = tenth;
        char line[128];
        std::snprintf(line, sizeof line, "varanda: collect: terminal %d: %ld/%ld punches (%ld %%)\n", terminal_, done,
                      total, done * 100 / total);
        out_.stream_error(line);
    }
}

void Progress::draw(long done, long total) {
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const double rate = s > 0 ? done / s : 0;
    const long shown = done < total ? done : total;
    const long left = rate > 0 ? static_cast<long>((total - shown) / rate + 0.5) : 0;
    char bar[31];
    const int filled = static_cast<int>(shown * 30 / total);
    for (int i = 0; i < 30; ++i) bar[i] = i < filled ? '#' : '.';
    bar[30] = '\0';
    std::fprintf(stderr, "\rterminal %d [%s] %ld/%ld  %.0f/s  %ld:%02ld left ", terminal_, bar, done, total, rate,
                 left / 60, left % 60);
    std::fflush(stderr);
    drawn_ = true;
}

void Progress::finish() {
    if (tty_ && drawn_) std::fprintf(stderr, "\n");
}

}  // namespace vtool
