// collect [--out FILE] [--max N]: every stored punch of each terminal, written
// and flushed as it arrives.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "command.h"
#include "interrupt.h"
#include "progress.h"
#include "punch_format.h"

namespace vtool {

namespace {

constexpr int kFailedTries = 4;     // a collection step that fails this often in a row ends the terminal's collection
constexpr int kRepeatsInARow = 5;   // the terminal offering its last punch again this often in a row: it is stuck

class CollectCommand : public Command {
public:
    ~CollectCommand() override {
        if (out_ != nullptr && out_ != stdout) std::fclose(out_);
    }
    std::string prepare(const Options& o) override {
        if (!arguments(o).empty()) return "collect [--out FILE] [--max N]";
        json_ = o.json;
        max_ = o.max ? *o.max : -1;
        name_ = o.out.empty() ? "standard output" : o.out;
        if (o.out.empty()) {
            out_ = stdout;
        } else {
            // Appended to, never truncated: a file of earlier collections keeps its punches.
            out_ = std::fopen(o.out.c_str(), "ab");
            if (out_ == nullptr) return o.out + ": cannot open for writing (" + std::strerror(errno) + ")";
            std::fseek(out_, 0, SEEK_END);
        }
        const bool fresh = out_ == stdout || std::ftell(out_) == 0;
        if (!json_ && fresh && !write(kPunchCsvHeader)) return name_ + ": cannot write";
        return {};
    }

    void run(Session& s) override {
        catch_interrupt();
        long all = 0;
        for (int32_t t : s.options.terminals) {
            all += one(s, t);
            if (interrupted() || broken_) break;
        }
        if (interrupted()) {
            say("collect: interrupted: " + std::to_string(all) + " punches collected in all, every one of them written to " +
                name_);
            s.fail("collect", s.options.terminals[0], "interrupted");
        }
    }

private:
    bool write(const std::string& line) {
        return std::fwrite(line.data(), 1, line.size(), out_) == line.size() && std::fflush(out_) == 0;
    }

    // The punches the terminal still holds; false after too many failed tries.
    bool count(Session& s, int32_t t, int32_t& left, uint8_t& code) {
        for (int i = 0; i < kFailedTries; ++i) {
            code = s.call("ReceberQuantidadeBilhetes", t, s.sdk.ReceberQuantidadeBilhetes, t, &left);
            if (code == 0) return true;
        }
        return false;
    }

    long one(Session& s, int32_t t) {
        int32_t left = 0;
        uint8_t code = 0;
        if (!count(s, t, left, code)) {
            s.fail("collect: punch count", t, code);
            return 0;
        }
        Progress progress(t, max_ >= 0 && max_ < left ? max_ : left);
        long received = 0, done = 0, repeats = 0, expected = left;
        int failed = 0, repeated = 0;
        std::string stop;  // why the collection ended early, "" when it did not
        // The last punch received is written once the terminal has taken it:
        // the next request that reaches the terminal acknowledges it. A punch
        // whose acknowledgement never arrived stays in the terminal and comes
        // again with the next collection, so it is not written now.
        std::string held;
        const auto confirm = [&]() {
            if (held.empty()) return true;
            if (!write(held)) {
                // The terminal has let go of this punch: it is shown here rather than lost.
                std::fprintf(stderr, "%s", held.c_str());
                stop = "cannot write " + name_ + " (" + std::strerror(errno) + "); the punch above is not in it";
                broken_ = true;
                return false;
            }
            held.clear();
            progress.update(++done);
            return true;
        };
        const auto start = std::chrono::steady_clock::now();
        while (!interrupted() && (max_ < 0 || received < max_)) {
            if (received >= expected) {  // every punch counted so far is in: any new ones?
                if (!count(s, t, left, code)) {
                    stop = "punch count after " + std::to_string(done) + " punches: " + describe_code(code);
                    break;
                }
                if (!confirm() || left == 0) break;
                expected = received + left;
            }
            Punch p;
            p.terminal = t;
            code = s.call("ColetarBilhete", t, s.sdk.ColetarBilhete, t, &p.type, &p.day, &p.month, &p.year, &p.hour,
                          &p.minute, p.card);
            if ((code == 0 || code == 128) && !confirm()) break;
            if (code == 0) {
                failed = repeated = 0;
                held = json_ ? punch_json(p) : punch_csv(p);
                ++received;
            } else if (code == 128) {
                ++repeats;
                say("collect: terminal " + std::to_string(t) +
                    ": the terminal offered the punch just collected again (code 128); it is written once");
                if (++repeated >= kRepeatsInARow) {
                    stop = "the terminal keeps offering its last punch again";
                    break;
                }
            } else {
                // No punch: none left (someone else emptied the memory), or a failed exchange.
                int32_t now_left = 0;
                uint8_t c = 0;
                if (count(s, t, now_left, c) && (!confirm() || now_left == 0)) break;
                if (++failed >= kFailedTries) {
                    stop = "stopped after " + std::to_string(done) + " punches: " + describe_code(code);
                    break;
                }
            }
        }
        if (!held.empty() && !broken_) {
            int32_t n = 0;
            uint8_t c = 0;
            if (count(s, t, n, c)) {
                confirm();
            } else {
                say("collect: terminal " + std::to_string(t) + ": unconfirmed punch " + held.substr(0, held.size() - 1) +
                    ": not in " + name_ + "; the terminal did not confirm taking it, and offers it again at the next "
                    "collection unless it failed just after taking it");
                if (stop.empty()) stop = "stopped after " + std::to_string(done) + " punches: " + describe_code(c);
            }
        }
        progress.finish();
        const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!stop.empty()) {
            s.fail("collect", t, stop);
        } else if (!interrupted()) {
            char rate[64];
            std::snprintf(rate, sizeof rate, "%.3f s, %.0f punches/s", secs, secs > 0 ? done / secs : 0.0);
            say("collect: terminal " + std::to_string(t) + ": " + std::to_string(done) + " punches collected" +
                (repeats ? " (" + std::to_string(repeats) + " offered twice, written once)" : std::string()) + " in " +
                rate);
        }
        return done;
    }

    bool json_ = false;
    long max_ = -1;
    std::string name_;
    std::FILE* out_ = nullptr;
    bool broken_ = false;
};

}  // namespace

std::unique_ptr<Command> make_collect() { return std::make_unique<CollectCommand>(); }

}  // namespace vtool
