#include "collect_loop.h"

#include <chrono>

namespace fleet {

namespace {

class Loop {
public:
    Loop(const PunchSource& sdk, int32_t terminal, PunchSink& sink, const CollectSettings& s)
        : sdk_(sdk), t_(terminal), sink_(sink), s_(s) {}

    CollectReport run() {
        const LastPunch last = sink_.last(t_);
        if (!last.confirmed) pending_ = last.key;  // a request of this process does not confirm it
        int32_t left = 0;
        if (!count(left)) return fail("punch count");
        total_ = s_.max >= 0 && s_.max < left ? s_.max : left;
        long expected = left, taken = 0;
        while (!stopping() && (s_.max < 0 || r_.stored < s_.max)) {
            if (taken >= expected) {  // every punch counted so far is in: any new ones?
                if (!count(left)) return fail("punch count after " + std::to_string(r_.stored) + " punches");
                if (left == 0) break;
                expected = taken + left;
            }
            const Step step = take_one();
            if (step == Step::stored || step == Step::again) ++taken;
            if (step == Step::store_failed) return r_;  // nothing more goes to the terminal
            if (step == Step::empty) break;
            if (step == Step::failed) return fail("stopped after " + std::to_string(r_.stored) + " punches");
        }
        return finish();
    }

private:
    enum class Step { stored, again, retry, empty, failed, store_failed };

    bool stopping() const { return s_.stop != nullptr && s_.stop->load(); }

    template <class F>
    uint8_t timed(const char* name, F call) {
        const auto start = std::chrono::steady_clock::now();
        const uint8_t code = call();
        if (s_.trace)
            s_.trace(name, code, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (code == 0) answered();
        return code;
    }

    // A request answered after a punch was stored acknowledged that punch.
    void answered() {
        if (acknowledging_) pending_.clear();
    }

    bool count(int32_t& left) {
        for (int i = 0; i < s_.tries; ++i) {
            r_.code = timed(r_.operation = kCount, [&] { return sdk_.count(t_, &left); });
            if (r_.code == 0) {
                r_.left = left;
                return true;
            }
        }
        return false;
    }

    Step take_one() {
        Punch p;
        p.terminal = t_;
        const std::string before = pending_;
        const uint8_t code = timed(kCollect, [&] {
            return sdk_.collect(t_, &p.type, &p.day, &p.month, &p.year, &p.hour, &p.minute, p.card);
        });
        if (code == 0) return took(p, before);
        if (code == kOfferedAgain) return again();
        int32_t left = 0;
        if (count(left) && left == 0) return Step::empty;  // someone else emptied the memory
        r_.code = code;
        r_.operation = kCollect;
        return ++failed_ >= s_.tries ? Step::failed : Step::retry;
    }

    Step took(const Punch& p, const std::string& before) {
        const std::string key = punch_key(p);
        if (!before.empty() && key == before) {
            pending_ = before;  // that request did not acknowledge it: it is offered again
            return again();
        }
        failed_ = repeated_ = 0;
        if (std::string e = sink_.store(p); !e.empty()) {
            r_.end = CollectReport::End::failed;
            r_.failure = e + "; the punch stays on the terminal";
            return Step::store_failed;
        }
        pending_ = key;
        acknowledging_ = true;
        ++r_.stored;
        if (s_.progress) s_.progress(r_.stored, total_);
        return Step::stored;
    }

    Step again() {
        acknowledging_ = true;
        ++r_.offered_again;
        if (++repeated_ < s_.repeats_in_a_row) return Step::again;
        r_.code = kOfferedAgain;
        r_.operation = kCollect;
        return Step::failed;
    }

    CollectReport fail(const std::string& what) {
        r_.end = CollectReport::End::failed;
        r_.failure = repeated_ >= s_.repeats_in_a_row ? "the terminal keeps offering its last punch again" : what;
        return r_;
    }

    // A last count acknowledges the last punch taken; then it is confirmed.
    CollectReport finish() {
        int32_t left = 0;
        if (!pending_.empty() && acknowledging_) count(left);
        if (pending_.empty() && acknowledging_) {
            if (std::string e = sink_.confirm(t_); !e.empty()) {
                r_.end = CollectReport::End::failed;
                r_.failure = e;
                return r_;
            }
        }
        if (stopping()) r_.end = CollectReport::End::interrupted;
        return r_;
    }

    static constexpr uint8_t kOfferedAgain = 128;  // the SDK: the punch just collected, offered again
    static constexpr const char* kCollect = "ColetarBilhete";
    static constexpr const char* kCount = "ReceberQuantidadeBilhetes";

    const PunchSource& sdk_;
    int32_t t_;
    PunchSink& sink_;
    const CollectSettings& s_;
    CollectReport r_;
    std::string pending_;          // the key of the last punch stored or offered, not yet acknowledged
    bool acknowledging_ = false;   // the next answered request acknowledges pending_
    long total_ = 0;
    int failed_ = 0, repeated_ = 0;
};

}  // namespace

CollectReport collect_terminal(const PunchSource& sdk, int32_t terminal, PunchSink& sink,
                               const CollectSettings& settings) {
    if (std::string holder = sink.claim(terminal); !holder.empty()) {
        CollectReport r;
        r.end = CollectReport::End::refused;
        r.failure = "not collected: the terminal is " + holder;
        return r;
    }
    CollectReport r = Loop(sdk, terminal, sink, settings).run();
    sink.release(terminal);
    return r;
}

}  // namespace fleet
