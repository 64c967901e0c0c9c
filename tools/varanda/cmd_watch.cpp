// watch [--grant ACTION] [--allow FILE.csv]: the terminals online, each event
// printed as it arrives and answered, until Ctrl-C.
#include <chrono>
#include <cstdio>
#include <set>
#include <thread>

#include "card_list.h"
#include "command.h"
#include "config_fields.h"
#include "datetime.h"
#include "runner.h"
#include "text_file.h"

namespace vtool {

namespace {

constexpr uint8_t kNoEvent = 128;  // the terminal has no event waiting
constexpr int kFailedTries = 4;
constexpr const char* kDenyText = "Access denied";
constexpr uint8_t kDenySeconds = 3;
constexpr int kModeByte = 0;        // of the configuration record: the operating mode
constexpr uint8_t kModeOnline = 1;

const char* origin_name(uint8_t origin) {
    switch (origin) {
        case 2: return "card";
        case 3: return "keypad";
        case 4: return "finger";
        default: return "event";
    }
}

class WatchCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        if (!arguments(o).empty()) return "watch [--grant relay1|relay2|turnstile-in|turnstile-out|none] [--allow FILE.csv]";
        grant_ = o.grant;
        if (!o.allow.empty()) {
            std::string text, error;
            if (!read_text_file(o.allow, text, error)) return error;
            const CardList list = parse_card_list(text, o.allow, CardRules{1, false});
            if (!list.error.empty()) return list.error;
            for (const CardEntry& e : list.entries) allowed_.insert(card_key(e.card));
            restricted_ = true;
        }
        return {};
    }

    void run(Session& s) override {
        fleet::catch_stop();
        if (!s.options.json)
            say("watch: " + std::to_string(s.options.terminals.size()) + " terminal(s); Ctrl-C ends");
        run_all(s, "watch", [this](TerminalRun& r) { return watch(r); });
    }

private:
    // Online until Ctrl-C, SIGTERM or a line that stays dropped; then offline
    // again, unless the terminal was online before.
    fleet::Outcome watch(TerminalRun& r) {
        uint8_t record[kRecordSize] = {};
        if (uint8_t c = r.call("ReceberBufferConfig", r.s.sdk.ReceberBufferConfig, r.t, record); c != 0)
            return r.fail("watch: reading the operating mode", c);
        const bool was_online = record[kModeByte] == kModeOnline;
        if (uint8_t c = r.call("LevantarParaOnLine", r.s.sdk.LevantarParaOnLine, r.t); c != 0)
            return r.fail("watch: going online", c);
        const fleet::Outcome o = poll(r);
        if (was_online) return o;
        uint8_t back[kRecordSize] = {};
        const fleet::Outcome offline = change_configuration(r, {{"mode", "offline"}}, back);
        if (offline.status != fleet::Outcome::Status::ok)
            return r.fail("watch", "left online: putting it back offline failed (" + offline.detail + ")");
        return o;
    }

    fleet::Outcome poll(TerminalRun& r) {
        for (int failed = 0; !fleet::stop_flag().load();) {
            uint8_t origin = 0, complement = 0, d = 0, m = 0, y = 0, h = 0, mi = 0, se = 0;
            char card[15] = {};
            const uint8_t code = r.call("ReceberDadosOnLine2", r.s.sdk.ReceberDadosOnLine2, r.t, &origin, &complement,
                                        card, &d, &m, &y, &h, &mi, &se);
            if (code == 0) {
                answer(r, origin, complement, card, DateTime{2000 + y, m, d, h, mi, se});
            } else if (code != kNoEvent && ++failed >= kFailedTries) {
                return r.fail("watch", code);
            } else {
                if (code == kNoEvent) failed = 0;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        return fleet::Outcome::ok(r.t);
    }

    void answer(TerminalRun& run, uint8_t origin, uint8_t complement, const char* raw, const DateTime& w) {
        Session& s = run.s;
        const int32_t t = run.t;
        std::string card;
        for (int i = 0; i < 14 && raw[i] != '\0'; ++i) card += raw[i];
        const bool person = origin >= 2 && origin <= 4;
        std::string verdict = "-";
        uint8_t r = 0;
        if (person && (!restricted_ || allowed_.count(card_key(card)))) {
            verdict = grant_ == "none" ? "allowed" : grant_;
            if (grant_ == "relay1") r = s.call("AcionarRele1", t, s.sdk.AcionarRele1, t);
            else if (grant_ == "relay2") r = s.call("AcionarRele2", t, s.sdk.AcionarRele2, t);
            else if (grant_ == "turnstile-in") r = s.call("LiberarCatracaEntrada", t, s.sdk.LiberarCatracaEntrada, t);
            else if (grant_ == "turnstile-out") r = s.call("LiberarCatracaSaida", t, s.sdk.LiberarCatracaSaida, t);
        } else if (person) {
            verdict = "denied";
            r = s.call("EnviarMensagemTemporariaOnLine", t, s.sdk.EnviarMensagemTemporariaOnLine, t, uint8_t{0}, kDenyText,
                       kDenySeconds);
        }
        const bool dated = w.month >= 1 && w.month <= 12 && w.day >= 1;
        const std::string when = dated ? iso_date(w.year, w.month, w.day) + "T" + iso_time(w.hour, w.minute, w.second) : "";
        if (s.options.json) {
            run.out.stream(strf("{\"terminal\":%d,\"event\":\"%s\",\"origin\":%u,\"complement\":%u,\"card\":%s,"
                                "\"time\":%s,\"answer\":\"%s\"}\n",
                                t, origin_name(origin), origin, complement, json_string(card).c_str(),
                                dated ? json_string(when).c_str() : "null", verdict.c_str()));
        } else {
            run.out.stream(strf("terminal %d: %s %s (origin %u, %u)%s%s: %s\n", t, origin_name(origin), card.c_str(),
                                origin, complement, dated ? " at " : "", when.c_str(), verdict.c_str()));
        }
        if (r != 0) run.out.stream_error("varanda: watch: answering the " + std::string(origin_name(origin)) + " " +
                                         card + ": terminal " + std::to_string(t) + ": " + s.explain(t, r) + "\n");
    }

    std::string grant_;
    bool restricted_ = false;
    std::set<std::string> allowed_;
};

}  // namespace

std::unique_ptr<Command> make_watch() { return std::make_unique<WatchCommand>(); }

}  // namespace vtool
