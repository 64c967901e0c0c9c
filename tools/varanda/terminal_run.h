// One terminal's part of a command run: its calls, its lines (kept whole and
// printed when it ends), its JSON lines (each naming the terminal) and its
// outcome for the summary. Commands run their terminals through run_all(),
// up to --parallel at once.
#pragma once
#include <functional>
#include <string>

#include "runner.h"
#include "session.h"

namespace vtool {

class TerminalRun {
public:
    TerminalRun(Session& session, int32_t terminal, fleet::Output& output) : s(session), t(terminal), out(output) {}

    template <class F, class... A>
    auto call(const char* name, F op, A... args) {
        return s.call(name, t, op, args...);
    }
    // "terminal 7: TEXT", or {"terminal":7,"ok":true,JSON} with --json.
    fleet::Outcome ok(const std::string& text, const std::string& json = "");
    // The failure on standard error ("varanda: WHAT: terminal 7: REASON") and,
    // with --json, {"terminal":7,"ok":false,"error":...} on standard output.
    // A code is worded as `operation` gives it, by default the last one this thread called.
    fleet::Outcome fail(const std::string& what, uint8_t code, const char* operation = nullptr);
    fleet::Outcome fail(const std::string& what, const std::string& reason, int code = -1);
    // A text or JSON line as the command writes it, kept with the terminal's output.
    void print(const std::string& line) { out.line(line); }
    void note(const std::string& text) { out.error("varanda: " + text); }

    Session& s;
    const int32_t t;
    fleet::Output& out;
};

// printf into a string.
std::string strf(const char* format, ...) __attribute__((format(printf, 1, 2)));

using TerminalJob = std::function<fleet::Outcome(TerminalRun&)>;

// Runs `job` for each terminal of the options (up to --parallel at once),
// prints each terminal's lines whole in the order of the list, a summary when
// there are several terminals, and counts the failures in the session.
void run_all(Session& s, const std::string& what, const TerminalJob& job);

// The ok line, or the failure, of a command whose result is one code.
fleet::Outcome simple_result(TerminalRun& r, const std::string& what, uint8_t code);

}  // namespace vtool
