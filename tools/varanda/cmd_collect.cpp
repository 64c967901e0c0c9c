// collect [--out FILE] [--max N]: every stored punch of each terminal, up to
// --parallel terminals at once, each punch written and flushed to disk before
// the terminal is told it was taken, and none written twice (tools/fleet).
#include <atomic>
#include <chrono>
#include <cstdio>

#include "collect_loop.h"
#include "command.h"
#include "file_sink.h"
#include "progress.h"
#include "punch_format.h"

namespace vtool {

namespace {

class CollectCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        if (!arguments(o).empty()) return "collect [--out FILE] [--max N]";
        options_ = &o;
        // Checked here, created only once the port is open: a failed run leaves no empty file behind.
        return o.out.empty() ? std::string() : check_writable(o.out);
    }

    void run(Session& s) override {
        fleet::catch_stop();
        std::string error, notice;
        sink_ = fleet::FileSink::open(sink_options(s.options), error, notice);
        if (!notice.empty()) say("collect: " + notice);
        if (!sink_) {
            say("collect: " + error);
            s.count_failure();
            return;
        }
        one_at_a_time_ = s.options.terminals.size() == 1 || s.options.parallel == 1;
        run_all(s, "collect", [this](TerminalRun& r) { return one(r); });
        if (fleet::stop_flag().load())
            say("collect: interrupted: " + std::to_string(total_.load()) +
                " punches collected in all, every one of them written to " + sink_->name());
    }

private:
    fleet::FileSinkOptions sink_options(const Options& o) const {
        fleet::FileSinkOptions f;
        f.path = o.out;
        f.line = o.json ? punch_json : punch_csv;
        f.header = o.json ? "" : kPunchCsvHeader;
        f.lock_scope = connection_name(o);
        return f;
    }

    fleet::Outcome one(TerminalRun& r) {
        Progress progress(r.t, one_at_a_time_, r.out);
        fleet::CollectSettings settings;
        settings.max = options_->max ? *options_->max : -1;
        settings.stop = &fleet::stop_flag();
        if (one_at_a_time_) settings.progress = [&](long done, long total) { progress.update(done, total); };
        if (r.s.options.verbose)
            settings.trace = [&](const char* name, uint8_t code, double ms) { r.s.trace_code(name, r.t, code, ms); };
        const auto start = std::chrono::steady_clock::now();
        const fleet::CollectReport c = fleet::collect_terminal(fleet::punch_source(r.s.sdk), r.t, *sink_, settings);
        progress.finish();
        total_ += c.stored;
        const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return report(r, c, secs);
    }

    fleet::Outcome report(TerminalRun& r, const fleet::CollectReport& c, double secs) {
        using End = fleet::CollectReport::End;
        const std::string punches = std::to_string(c.stored) + " punches";
        if (c.end == End::refused) return r.fail("collect", c.failure);
        if (c.end == End::failed)
            return r.fail("collect", c.failure + (c.code != 0 ? ": " + r.s.explain(r.t, c.code, c.operation) : std::string()) +
                                         " (" + punches + " written)", c.code != 0 ? c.code : -1);
        if (c.end == End::interrupted) return fleet::Outcome::interrupted(r.t, punches + " written");
        r.note("collect: terminal " + std::to_string(r.t) + ": " + punches + " collected" +
               (c.offered_again > 0 ? " (" + std::to_string(c.offered_again) + " offered twice, written once)" : "") +
               strf(" in %.3f s, %.0f punches/s", secs, secs > 0 ? c.stored / secs : 0.0));
        return fleet::Outcome::ok(r.t, punches);
    }

    const Options* options_ = nullptr;
    std::unique_ptr<fleet::FileSink> sink_;
    bool one_at_a_time_ = true;
    std::atomic<long> total_{0};
};

}  // namespace

std::unique_ptr<Command> make_collect() { return std::make_unique<CollectCommand>(); }

}  // namespace vtool
