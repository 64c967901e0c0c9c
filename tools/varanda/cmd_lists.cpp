// access-list push FILE.csv | access-list clear, and schedules push FILE: the
// whole file is checked before anything is sent.
#include <cstdio>

#include "card_list.h"
#include "command.h"
#include "config_fields.h"
#include "schedule_file.h"
#include "text_file.h"

namespace vtool {

namespace {


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
        reconfigure_ = o.reconfigure;
        if (reconfigure_ && !digits_) return "access-list push: --reconfigure needs --card-digits N";
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
        run_all(s, "access-list push", [this](TerminalRun& r) { return push(r); });
    }

private:
    bool clear_ = false;
    std::string file_;
    std::optional<uint8_t> pattern_, digits_;
    bool reconfigure_ = false;
    bool half_prepared_ = false;
    CardList list_;

    // The terminal's card length, read from it; with --card-digits it must
    // agree, or --reconfigure sets the terminal to it first. 0 after reporting.
    uint8_t card_digits(TerminalRun& r, fleet::Outcome& failed) {
        uint8_t record[kRecordSize] = {};
        if (const uint8_t code = r.call("ReceberBufferConfig", r.s.sdk.ReceberBufferConfig, r.t, record); code != 0) {
            failed = r.fail("access-list push: reading the card length", code);
            return 0;
        }
        const uint8_t digits = record[VARANDA_CFG_CARD_DIGITS];
        if (digits_ && *digits_ != digits && reconfigure_) {
            failed = change_configuration(r, {{"card-digits", std::to_string(*digits_)}}, record);
            return failed.status == fleet::Outcome::Status::ok ? record[VARANDA_CFG_CARD_DIGITS] : 0;
        }
        if (digits_ && *digits_ != digits) {
            failed = r.fail("access-list push", "the terminal is set for " + std::to_string(digits) +
                                                    "-digit cards, not --card-digits " + std::to_string(*digits_) +
                                                    "; nothing sent (--reconfigure sets the terminal first)");
            return 0;
        }
        if (digits >= 1 && digits <= 16) return digits;
        failed = r.fail("access-list push", "the configured card length reads " + std::to_string(digits) +
                                                "; set it with config set card-digits=N or give --card-digits");
        return 0;
    }

    fleet::Outcome push(TerminalRun& r) {
        fleet::Outcome failed;
        const uint8_t digits = card_digits(r, failed);
        if (digits == 0) return failed;
        if (pattern_.value_or(1) == 1) {
            if (std::string e = check_card_lengths(list_, file_, digits); !e.empty())
                return r.fail("access-list push", e + "; nothing sent");
        }
        std::lock_guard<std::mutex> hold(r.s.blocks);
        Session& s = r.s;
        if (half_prepared_) return r.fail("access-list push", "not sent: the SDK still holds part of a list refused before");
        if (uint8_t c = s.call("DefinirPadraoCartao", -1, s.sdk.DefinirPadraoCartao, pattern_.value_or(1)); c != 0)
            return r.fail("access-list push: card pattern", c);
        if (uint8_t c = s.call("DefinirQuantidadeDigitosCartao", -1, s.sdk.DefinirQuantidadeDigitosCartao, digits); c != 0)
            return r.fail("access-list push: card length", c);
        for (const CardEntry& e : list_.entries) {
            if (uint8_t c = s.sdk.InserirUsuarioListaAcesso(e.card.c_str(), e.schedule); c != 0) {
                half_prepared_ = true;  // it would go to the next terminal: nothing more is sent
                return r.fail("access-list push: " + file_ + ":" + std::to_string(e.line) + ": card " + e.card + " refused", c);
            }
        }
        const uint8_t code = r.call("EnviarListaAcesso", s.sdk.EnviarListaAcesso, r.t);
        if (code != 0) return r.fail("access-list push", code);
        return r.ok("access list of " + std::to_string(list_.entries.size()) + " cards sent",
                    "\"cards\":" + std::to_string(list_.entries.size()));
    }
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
            std::lock_guard<std::mutex> g(s.blocks);
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
