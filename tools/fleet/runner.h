// Running a command against many terminals at once: up to `parallel` of them
// at the same time (0: all of them, at most kMaxParallel), each on a thread of
// its own, each with its output kept whole, and the outcome of every terminal
// gathered for the summary at the end. With parallel 1 the terminals run one
// after another in the order given.
//
//   auto outcomes = fleet::run_terminals(terminals, parallel, [&](int32_t t, fleet::Output& out) {
//       ...; out.line("terminal 7: ok");  return fleet::Outcome::ok(t);
//   });
//   fleet::print_summary(outcomes, "varanda: ping", false);
//
// Ctrl-C and SIGTERM (after catch_stop()) set stop_flag(): jobs check it
// between steps and return Outcome::interrupted; terminals not begun yet are
// reported as not started.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace fleet {

inline constexpr unsigned kMaxParallel = 1000;

struct Outcome {
    enum class Status { ok, failed, interrupted, not_started };
    int32_t terminal = 0;
    Status status = Status::ok;
    std::string detail;  // the failure, or a short note on success ("200 punches")

    static Outcome ok(int32_t t, std::string note = {}) { return {t, Status::ok, std::move(note)}; }
    static Outcome failed(int32_t t, std::string why) { return {t, Status::failed, std::move(why)}; }
    static Outcome interrupted(int32_t t, std::string note = {}) { return {t, Status::interrupted, std::move(note)}; }
};

// A terminal's output: line() keeps its lines until the terminal's job ends
// and then writes them all at once, the terminals in the order of the list;
// stream() writes a line at once (whole,
// never mixed into another line), for what must not wait (a punch, an event).
// Lines for standard output and for standard error alike.
class Output {
public:
    void line(const std::string& text) { out_ += text + "\n"; }
    void error(const std::string& text) { err_ += text + "\n"; }
    // Writes `text` (one or more whole lines) to standard output now; false
    // when standard output is closed or failing.
    bool stream(const std::string& text);
    void stream_error(const std::string& text);
    // Writes what line() and error() kept; called by the runner.
    void flush();

private:
    std::string out_, err_;
};

// The flag Ctrl-C and SIGTERM set once catch_stop() has run.
const std::atomic<bool>& stop_flag();
void catch_stop();
void request_stop();  // as if Ctrl-C was pressed

using Job = std::function<Outcome(int32_t terminal, Output& out)>;

// Runs `job` for each terminal, up to `parallel` at once; the outcomes in the
// order of `terminals`.
std::vector<Outcome> run_terminals(const std::vector<int32_t>& terminals, unsigned parallel, const Job& job);

// The summary on standard error: a line per terminal not ok ("PROGRAM:
// terminal 7: failed: ...") and the totals with the terminals by status
// ("PROGRAM: 200 terminals: 198 ok (1-6,8-199); 1 failed (7); 1 interrupted
// (200)"); with `json` a JSON line per terminal on standard output
// ({"terminal":7,"summary":"failed","detail":"..."}) in place of the lines
// per terminal.
void print_summary(const std::vector<Outcome>& outcomes, const std::string& program, bool json);

const char* status_name(Outcome::Status s);

}  // namespace fleet
