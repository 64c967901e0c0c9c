// watch [--grant ACTION] [--allow FILE.csv]: the terminals online, each event
// printed as it arrives and answered, until Ctrl-C.
#include <chrono>
#include <cstdio>
#include <set>
#include <thread>

#include "card_list.h"
#include "command.h"
#include "datetime.h"
#include "runner.h"
#include "text_file.h"

namespace vtool {

namespace {

constexpr uint8_t kNoEvent = 128;  // the terminal has no event waiting
constexpr int kFailedTries = 4;
constexpr const char* kDenyText = "Access denied";
constexpr uint8_t kDenySeconds = 3;

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
        std::vector<std::pair<int32_t, int>> online;  // terminal, failures in a row
        for (int32_t t : s.options.terminals) {
            if (uint8_t r = s.call("LevantarParaOnLine", t, s.sdk.LevantarParaOnLine, t); r != 0) s.fail("watch: going online", t, r);
            else online.emplace_back(t, 0);
        }
        if (!online.empty() && !s.options.json)
            say("watch: " + std::to_string(online.size()) + " terminal(s) online; Ctrl-C ends");
        while (!fleet::stop_flag().load() && !online.empty()) {
            bool any = false;
            for (auto it = online.begin(); it != online.end() && !fleet::stop_flag().load();) {
                const int32_t t = it->first;
                uint8_t origin = 0, complement = 0, d = 0, m = 0, y = 0, h = 0, mi = 0, se = 0;
                char card[15] = {};
                const uint8_t r = s.call("ReceberDadosOnLine2", t, s.sdk.ReceberDadosOnLine2, t, &origin, &complement,
                                         card, &d, &m, &y, &h, &mi, &se);
                if (r == kNoEvent || r == 0) it->second = 0;
                if (r == 0) {
                    any = true;
                    answer(s, t, origin, complement, card, DateTime{2000 + y, m, d, h, mi, se});
                } else if (r != kNoEvent && ++it->second >= kFailedTries) {
                    s.fail("watch", t, r);
                    it = online.erase(it);
                    continue;
                }
                ++it;
            }
            if (!any) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

private:
    void answer(Session& s, int32_t t, uint8_t origin, uint8_t complement, const char* raw, const DateTime& w) {
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
            std::printf("{\"terminal\":%d,\"event\":\"%s\",\"origin\":%u,\"complement\":%u,\"card\":%s,\"time\":%s,"
                        "\"answer\":\"%s\"}\n",
                        t, origin_name(origin), origin, complement, json_string(card).c_str(),
                        dated ? json_string(when).c_str() : "null", verdict.c_str());
        } else {
            std::printf("terminal %d: %s %s (origin %u, %u)%s%s: %s\n", t, origin_name(origin), card.c_str(), origin,
                        complement, dated ? " at " : "", when.c_str(), verdict.c_str());
        }
        std::fflush(stdout);
        if (r != 0) s.fail("watch: answering the " + std::string(origin_name(origin)) + " " + card, t, r);
    }

    std::string grant_;
    bool restricted_ = false;
    std::set<std::string> allowed_;
};

}  // namespace

std::unique_ptr<Command> make_watch() { return std::make_unique<WatchCommand>(); }

}  // namespace vtool
