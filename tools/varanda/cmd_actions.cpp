// The online actions: relay 1|2, beep short|long, display TEXT [--seconds N],
// turnstile in|out|both.
#include <functional>
#include <map>

#include "command.h"
#include "text_file.h"

namespace vtool {

namespace {

using Action = std::function<uint8_t(Session&, int32_t)>;

// A command whose one word chooses the operation.
class ChoiceCommand : public Command {
public:
    ChoiceCommand(std::string name, std::map<std::string, Action> choices)
        : name_(std::move(name)), choices_(std::move(choices)) {}
    std::string prepare(const Options& o) override {
        const auto a = arguments(o);
        std::string list;
        for (const auto& [word, action] : choices_) list += (list.empty() ? std::string() : "|") + word;
        if (a.size() != 1 || !choices_.count(a[0])) return name_ + " " + list;
        choice_ = a[0];
        return {};
    }
    void run(Session& s) override {
        const Action& act = choices_.at(choice_);
        for_each_terminal(s, name_ + " " + choice_, [&](int32_t t) { return act(s, t); });
    }

private:
    std::string name_, choice_;
    std::map<std::string, Action> choices_;
};

template <class F>
Action op(const char* name, F Sdk::*member) {
    return [name, member](Session& s, int32_t t) { return s.call(name, t, s.sdk.*member, t); };
}

class DisplayCommand : public Command {
public:
    std::string prepare(const Options& o) override {
        const auto a = arguments(o);
        if (a.size() != 1) return "display TEXT [--seconds N]  (quote a text with blanks)";
        std::string lacking;
        text_ = display_bytes(a[0], lacking);  // one byte a character
        if (text_.size() > 32)
            return "display: the text has " + std::to_string(text_.size()) + " characters; the display shows 32 (two lines of 16)";
        if (!lacking.empty()) say("display: the terminal's character set (ISO-8859-1) lacks " + lacking + ": shown as '?'");
        seconds_ = o.seconds;
        return {};
    }
    void run(Session& s) override {
        for_each_terminal(s, "display", [&](int32_t t) {
            if (seconds_)
                return s.call("EnviarMensagemTemporariaOnLine", t, s.sdk.EnviarMensagemTemporariaOnLine, t, uint8_t{0},
                              text_.c_str(), *seconds_);
            return s.call("EnviarMensagemPadraoOnLine", t, s.sdk.EnviarMensagemPadraoOnLine, t, uint8_t{0}, text_.c_str());
        });
    }

private:
    std::string text_;
    std::optional<uint8_t> seconds_;
};

}  // namespace

std::unique_ptr<Command> make_relay() {
    return std::make_unique<ChoiceCommand>(
        "relay", std::map<std::string, Action>{{"1", op("AcionarRele1", &Sdk::AcionarRele1)},
                                               {"2", op("AcionarRele2", &Sdk::AcionarRele2)}});
}
std::unique_ptr<Command> make_beep() {
    return std::make_unique<ChoiceCommand>(
        "beep", std::map<std::string, Action>{{"short", op("AcionarBipCurto", &Sdk::AcionarBipCurto)},
                                              {"long", op("AcionarBipLongo", &Sdk::AcionarBipLongo)}});
}
std::unique_ptr<Command> make_turnstile() {
    return std::make_unique<ChoiceCommand>(
        "turnstile",
        std::map<std::string, Action>{{"in", op("LiberarCatracaEntrada", &Sdk::LiberarCatracaEntrada)},
                                      {"out", op("LiberarCatracaSaida", &Sdk::LiberarCatracaSaida)},
                                      {"both", op("LiberarCatracaDoisSentidos", &Sdk::LiberarCatracaDoisSentidos)}});
}
std::unique_ptr<Command> make_display() { return std::make_unique<DisplayCommand>(); }

}  // namespace vtool
