// access-list push FILE.csv | access-list clear, and schedules push FILE: the
// whole file is checked before anything is sent.
#include <cstdio>

#include "card_list.h"
#include "command.h"
#include "schedule_file.h"
#include "text_file.h"

namespace vtool {

namespace {

constexpr int kCardDigitsByte = 14;  // of the terminal's configuration record

class AccessListCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        const auto a = arguments(o);
        if (a.size() == 1 && a[0] == "clear") {
            if (!o.given.empty()) return "access-list clear takes no options";
            clear_ = true;
            return {};
        }
        if (a.size() != 2 || a[0] != "push") return "access-list push FILE.csv [--card-digits N] [--card-pattern 0|1] | access-list clear";
        file_ = a[1];
        pattern_ = o.card_pattern;
        digits_ = o.card_digits;
        std::string text, error;
        if (!read_text_file(file_, text, error)) return error;
        list_ = parse_card_list(text, file_, CardRules{pattern_.value_or(1), true});
        if (!list_.error.empty()) return list_.error;
        if (digits_ && pattern_.value_or(1) == 1) return check_card_lengths(list_, file_, *digits_);
        return {};
    }

    void run(Session& s) override {
        if (clear_) {
            return for_each_terminal(s, "access-list clear", [&](int32_t t) {
                return s.call("ApagarListaAcesso", t, s.sdk.ApagarListaAcesso, t);
            });
        }
        // Each terminal's card length first: a file that does not fit one of
        // them goes to none.
        std::vector<std::pair<int32_t, uint8_t>> targets;
        for (int32_t t : s.options.terminals) {
            uint8_t digits = digits_.value_or(0);
            if (!digits_) {
                uint8_t record[50] = {};
                const uint8_t r = s.call("ReceberBufferConfig", t, s.sdk.ReceberBufferConfig, t, record);
                if (r != 0) {
                    s.fail("access-list push: reading the card length", t, r);
                    continue;
                }
                digits = record[kCardDigitsByte];
                if (digits < 1 || digits > 16) {
                    s.fail("access-list push", t, "the configured card length reads " + std::to_string(digits) +
                                                      "; set it with config set card-digits=N or give --card-digits");
                    continue;
                }
                if (pattern_.value_or(1) == 1) {
                    if (std::string e = check_card_lengths(list_, file_, digits); !e.empty()) {
                        say(e + " (terminal " + std::to_string(t) + "); nothing was sent");
                        s.fail("access-list push", t, "the file does not fit");
                        return;
                    }
                }
            }
            targets.emplace_back(t, digits);
        }
        for (const auto& [t, digits] : targets) {
            if (pattern_) {
                if (uint8_t r = s.call("DefinirPadraoCartao", -1, s.sdk.DefinirPadraoCartao, *pattern_); r != 0)
                    return s.fail("access-list push: card pattern", t, r);
            }
            if (uint8_t r = s.call("DefinirQuantidadeDigitosCartao", -1, s.sdk.DefinirQuantidadeDigitosCartao, digits); r != 0)
                return s.fail("access-list push: card length", t, r);
            for (const CardEntry& e : list_.entries) {
                if (uint8_t r = s.sdk.InserirUsuarioListaAcesso(e.card.c_str(), e.schedule); r != 0) {
                    // The prepared list would go to the next terminal: nothing more is sent.
                    return s.fail("access-list push: " + file_ + ":" + std::to_string(e.line) + ": card " + e.card +
                                      " refused",
                                  t, r);
                }
            }
            const uint8_t r = s.call("EnviarListaAcesso", t, s.sdk.EnviarListaAcesso, t);
            if (r != 0) {
                s.fail("access-list push", t, r);
                if (s.options.json) std::printf("{\"terminal\":%d,\"ok\":false,\"code\":%u}\n", t, r);
            } else if (s.options.json) {
                std::printf("{\"terminal\":%d,\"ok\":true,\"cards\":%zu}\n", t, list_.entries.size());
            } else {
                std::printf("terminal %d: access list of %zu cards sent\n", t, list_.entries.size());
            }
            std::fflush(stdout);
        }
    }

private:
    bool clear_ = false;
    std::string file_;
    std::optional<uint8_t> pattern_, digits_;
    CardList list_;
};

class SchedulesCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        const auto a = arguments(o);
        if (a.size() != 2 || a[0] != "push") return "schedules push FILE";
        std::string text, error;
        if (!read_text_file(a[1], text, error)) return error;
        file_ = parse_schedule_file(text, a[1]);
        return file_.error;
    }
    void run(Session& s) override {
        for_each_terminal(s, "schedules push", [&](int32_t t) -> uint8_t {
            // The tables go whole and are emptied by each send: prepared again for every terminal.
            if (!file_.access.empty()) {
                for (const AccessDay& d : file_.access)
                    for (std::size_t i = 0; i < d.times.size(); ++i)
                        if (uint8_t r = s.sdk.InserirHorarioAcesso(d.schedule, d.day, uint8_t(i + 1), d.times[i].first,
                                                                   d.times[i].second);
                            r != 0)
                            return r;
                if (uint8_t r = s.call("EnviarHorariosAcesso", t, s.sdk.EnviarHorariosAcesso, t); r != 0) return r;
            }
            if (!file_.sirens.empty()) {
                for (const SirenTime& n : file_.sirens)
                    if (uint8_t r = s.sdk.InserirHorarioSirene(n.hour, n.minute, n.days[0], n.days[1], n.days[2], n.days[3],
                                                               n.days[4], n.days[5], n.days[6]);
                        r != 0)
                        return r;
                return s.call("EnviarHorariosSirene", t, s.sdk.EnviarHorariosSirene, t);
            }
            return 0;
        });
    }

private:
    ScheduleFile file_;
};

}  // namespace

std::unique_ptr<Command> make_access_list() { return std::make_unique<AccessListCommand>(); }
std::unique_ptr<Command> make_schedules() { return std::make_unique<SchedulesCommand>(); }

}  // namespace vtool
