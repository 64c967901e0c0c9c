// clock get, clock set [now|YYYY-MM-DDTHH:MM:SS], dst set START END.
#include <cstdio>

#include "command.h"
#include "datetime.h"

namespace vtool {

namespace {

uint8_t yy(int year) { return static_cast<uint8_t>(year % 100); }

class ClockCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        const auto a = arguments(o);
        if (!a.empty() && a[0] == "dst") {
            dst_ = make_dst();
            Options rest = o;
            rest.words.erase(rest.words.begin());
            return dst_->prepare(rest);
        }
        if (a.size() == 1 && a[0] == "get") {
            get_ = true;
            return {};
        }
        if (a.empty() || a[0] != "set" || a.size() > 2) return "clock get | clock set [now|YYYY-MM-DDTHH:MM:SS]";
        if (a.size() == 2 && a[1] != "now") {
            at_ = parse_datetime(a[1], true);
            if (!at_) return "clock set '" + a[1] + "': a date and time YYYY-MM-DDTHH:MM:SS from 2000 to 2099, or now";
        }
        return {};
    }
    void run(Session& s) override {
        if (dst_) return dst_->run(s);
        run_all(s, get_ ? "clock get" : "clock set", [this](TerminalRun& r) { return get_ ? get(r) : set(r); });
    }

private:
    static fleet::Outcome get(TerminalRun& r) {
        uint8_t d = 0, m = 0, y = 0, h = 0, mi = 0, se = 0;
        const uint8_t code = r.call("ReceberRelogio", r.s.sdk.ReceberRelogio, r.t, &d, &m, &y, &h, &mi, &se);
        if (code != 0) return r.fail("clock get", code);
        const std::string when = iso_date(2000 + y, m, d) + "T" + iso_time(h, mi, se);
        return r.ok(when, "\"clock\":\"" + when + "\"");
    }
    fleet::Outcome set(TerminalRun& r) const {
        const DateTime w = at_ ? *at_ : local_now();  // now: taken for each terminal as it is set
        const uint8_t code = r.call("EnviarRelogio", r.s.sdk.EnviarRelogio, r.t, uint8_t(w.day), uint8_t(w.month),
                                    yy(w.year), uint8_t(w.hour), uint8_t(w.minute), uint8_t(w.second));
        if (code != 0) return r.fail("clock set", code);
        const std::string when = iso_date(w.year, w.month, w.day) + "T" + iso_time(w.hour, w.minute, w.second);
        return r.ok("clock set to " + when, "\"clock\":\"" + when + "\"");
    }

    bool get_ = false;
    std::optional<DateTime> at_;
    std::unique_ptr<Command> dst_;
};

class DstCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        const auto a = arguments(o);
        if (a.size() != 3 || a[0] != "set") return "dst set START END (each YYYY-MM-DDTHH:MM)";
        start_ = parse_datetime(a[1], false);
        end_ = parse_datetime(a[2], false);
        if (!start_) return "dst set: start '" + a[1] + "': a date and time YYYY-MM-DDTHH:MM from 2000 to 2099";
        if (!end_) return "dst set: end '" + a[2] + "': a date and time YYYY-MM-DDTHH:MM from 2000 to 2099";
        if (a[2] <= a[1]) return "dst set: the end " + a[2] + " is not after the start " + a[1];
        return {};
    }
    void run(Session& s) override {
        const DateTime& a = *start_;
        const DateTime& b = *end_;
        for_each_terminal(s, "dst set", [&](int32_t t) {
            return s.call("EnviarHorarioVerao", t, s.sdk.EnviarHorarioVerao, t, uint8_t(a.day), uint8_t(a.month),
                          yy(a.year), uint8_t(a.hour), uint8_t(a.minute), uint8_t(b.day), uint8_t(b.month), yy(b.year),
                          uint8_t(b.hour), uint8_t(b.minute));
        });
    }

private:
    std::optional<DateTime> start_, end_;
};

}  // namespace

std::unique_ptr<Command> make_clock() { return std::make_unique<ClockCommand>(); }
std::unique_ptr<Command> make_dst() { return std::make_unique<DstCommand>(); }

}  // namespace vtool
