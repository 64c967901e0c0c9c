#include "args.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace vtool {

std::optional<long long> parse_number(const std::string& text, long long lo, long long hi) {
    long long v = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || text[0] == '+') return std::nullopt;
    const auto [p, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || p != end || v < lo || v > hi) return std::nullopt;
    return v;
}

std::optional<std::vector<int32_t>> parse_terminal_list(const std::string& text, std::string& error) {
    constexpr long long kMaxTerminal = 0x7FFFFFFF;
    constexpr std::size_t kMaxCount = 1000;
    std::vector<int32_t> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::size_t dash = item.find('-', 1);
        const auto first = parse_number(item.substr(0, dash), 0, kMaxTerminal);
        const auto last = dash == std::string::npos ? first : parse_number(item.substr(dash + 1), 0, kMaxTerminal);
        if (!first || !last) {
            error = "terminal list '" + text + "': '" + item + "' is not a terminal number or range (e.g. 1,3,5-8)";
            return std::nullopt;
        }
        if (*last < *first) {
            error = "terminal list '" + text + "': the range '" + item + "' runs backwards";
            return std::nullopt;
        }
        if (*last - *first >= static_cast<long long>(kMaxCount) || out.size() + (*last - *first + 1) > kMaxCount) {
            error = "terminal list '" + text + "': more than 1000 terminals";
            return std::nullopt;
        }
        for (long long t = *first; t <= *last; ++t) {
            if (std::find(out.begin(), out.end(), t) != out.end()) {
                error = "terminal list '" + text + "': terminal " + std::to_string(t) + " named twice";
                return std::nullopt;
            }
            out.push_back(static_cast<int32_t>(t));
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return out;
}

namespace {

const std::map<std::string, uint8_t> kTypes = {
    {"serial", 0}, {"tcp", 1}, {"tcp-com", 2}, {"modem", 3}, {"serial-com", 4}};

std::string set_type(Options& o, const std::string& v) {
    const auto it = kTypes.find(v);
    if (it == kTypes.end()) return "connection type '" + v + "': choose tcp, serial, modem, tcp-com or serial-com";
    o.type = it->second;
    return {};
}
std::string set_port(Options& o, const std::string& v) {
    const auto n = parse_number(v, 0, 65535);
    if (!n) return "port '" + v + "': a number from 0 to 65535";
    o.port = static_cast<int32_t>(*n);
    return {};
}
std::string set_terminals(Options& o, const std::string& v) {
    std::string error;
    auto list = parse_terminal_list(v, error);
    if (!list) return error;
    o.terminals = *list;
    return {};
}
template <class T>
std::string set_small(std::optional<T>& field, const std::string& name, const std::string& v, long long lo,
                      long long hi) {
    const auto n = parse_number(v, lo, hi);
    if (!n) return name + " '" + v + "': a number from " + std::to_string(lo) + " to " + std::to_string(hi);
    field = static_cast<T>(*n);
    return {};
}

// Keeps a value that must not be empty, such as a file name.
std::string set_text(std::string& field, const std::string& name, const std::string& what, const std::string& v) {
    if (v.empty()) return name + ": an empty " + what;
    field = v;
    return {};
}

struct OptionRule {
    const char* name;
    bool takes_value;
    bool global;
    std::function<std::string(Options&, const std::string&)> apply;
};

const std::vector<OptionRule>& option_table() {
    static const std::vector<OptionRule> table = {
        {"--type", true, true, set_type},
        {"--port", true, true, set_port},
        {"--terminal", true, true, set_terminals},
        {"--terminals", true, true, set_terminals},
        {"--json", false, true, [](Options& o, const std::string&) { o.json = true; return std::string(); }},
        {"-v", false, true, [](Options& o, const std::string&) { o.verbose = true; return std::string(); }},
        {"--verbose", false, true, [](Options& o, const std::string&) { o.verbose = true; return std::string(); }},
        {"--help", false, true, [](Options& o, const std::string&) { o.help = true; return std::string(); }},
        {"-h", false, true, [](Options& o, const std::string&) { o.help = true; return std::string(); }},
        {"--modem-init", true, true,
         [](Options& o, const std::string& v) { return set_text(o.modem_init, "--modem-init", "text", v); }},
        {"--dial", true, true,
         [](Options& o, const std::string& v) {
             if (v.empty() || v.size() > 495) return std::string("--dial: a telephone number of 1 to 495 characters");
             o.dial = v;
             return std::string();
         }},
        {"--pulse", false, true, [](Options& o, const std::string&) { o.pulse = true; return std::string(); }},
        {"--parallel", true, true,
         [](Options& o, const std::string& v) {
             const auto n = parse_number(v, 1, 1000);
             if (!n) return "--parallel '" + v + "': a number from 1 to 1000";
             o.parallel = static_cast<unsigned>(*n);
             return std::string();
         }},
        {"--timeout", true, true,
         [](Options& o, const std::string& v) { return set_small(o.timeout_ms, "--timeout", v, 1, 60000); }},
        {"--retries", true, true,
         [](Options& o, const std::string& v) { return set_small(o.retries, "--retries", v, 0, 20); }},
        {"--old-model", false, true, [](Options& o, const std::string&) { o.old_model = true; return std::string(); }},
        {"--out", true, false,
         [](Options& o, const std::string& v) { return set_text(o.out, "--out", "file name", v); }},
        {"--max", true, false, [](Options& o, const std::string& v) { return set_small(o.max, "--max", v, 1, 1000000000); }},
        {"--card-digits", true, false,
         [](Options& o, const std::string& v) { return set_small(o.card_digits, "--card-digits", v, 1, 16); }},
        {"--card-pattern", true, false,
         [](Options& o, const std::string& v) { return set_small(o.card_pattern, "--card-pattern", v, 0, 1); }},
        {"--grant", true, false,
         [](Options& o, const std::string& v) {
             static const std::set<std::string> grants = {"relay1", "relay2", "turnstile-in", "turnstile-out", "none"};
             if (!grants.count(v)) return "--grant '" + v + "': choose relay1, relay2, turnstile-in, turnstile-out or none";
             o.grant = v;
             return std::string();
         }},
        {"--allow", true, false,
         [](Options& o, const std::string& v) { return set_text(o.allow, "--allow", "file name", v); }},
        {"--seconds", true, false,
         [](Options& o, const std::string& v) { return set_small(o.seconds, "--seconds", v, 1, 255); }},
        {"--reconfigure", false, false, [](Options& o, const std::string&) { o.reconfigure = true; return std::string(); }},
    };
    return table;
}

const OptionRule* find_option(const std::string& name) {
    for (const OptionRule& s : option_table())
        if (name == s.name) return &s;
    return nullptr;
}

// VARANDA_TYPE, VARANDA_PORT and VARANDA_TERMINALS, read before the words
// (which override them). Returns the mistake, or an empty text.
std::string apply_environment(Options& o, const Getenv& getenv) {
    const std::pair<const char*, const char*> env_options[] = {
        {"VARANDA_TYPE", "--type"}, {"VARANDA_PORT", "--port"}, {"VARANDA_TERMINALS", "--terminal"}};
    for (const auto& [var, option] : env_options) {
        const char* v = getenv(var);
        if (v == nullptr || *v == '\0') continue;
        if (std::string e = find_option(option)->apply(o, v); !e.empty()) return std::string(var) + ": " + e;
    }
    return {};
}

bool is_option(const std::string& a) {  // "-5" is a negative number, not an option
    return a.size() >= 2 && a[0] == '-' && (a[1] == '-' || std::isalpha(static_cast<unsigned char>(a[1])));
}

// Takes the option at args[i] ("--name", "--name=value" or "--name value",
// moving i past a separate value). Returns the mistake, or an empty text.
std::string take_option(const std::vector<std::string>& args, std::size_t& i, Options& o) {
    std::string name = args[i];
    std::string value;
    bool inline_value = false;
    if (const std::size_t eq = name.find('='); eq != std::string::npos && name.rfind("--", 0) == 0) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
        inline_value = true;
    }
    const OptionRule* rule = find_option(name);
    if (rule == nullptr) return "unknown option '" + name + "'";
    if (rule->takes_value && !inline_value) {
        if (i + 1 >= args.size()) return "option " + name + " needs a value";
        value = args[++i];
    } else if (!rule->takes_value && inline_value) {
        return "option " + name + " takes no value";
    }
    if (std::string e = rule->apply(o, value); !e.empty()) return e;
    if (!rule->global) o.given.insert(name);
    return {};
}

}  // namespace

Parsed parse_arguments(const std::vector<std::string>& args, const Getenv& getenv) {
    Parsed r;
    r.error = apply_environment(r.options, getenv);
    bool options_end = false;
    for (std::size_t i = 0; i < args.size() && r.error.empty(); ++i) {
        if (options_end || !is_option(args[i])) r.options.words.push_back(args[i]);
        else if (args[i] == "--") options_end = true;
        else r.error = take_option(args, i, r.options);
    }
    return r;
}

std::string check_serial_com(const Options& o, const Getenv& getenv) {
    constexpr uint8_t kSerialCom = 4;
    if (o.type != kSerialCom) return {};
    if (o.terminals.size() != 1)
        return "--type serial-com reaches one terminal a line (the serial component names no terminal): give one --terminal";
    const char* set = getenv("CORVO_SERIAL_COM_TERMINAL");
    if (set == nullptr || *set == '\0' || set == std::to_string(o.terminals[0])) return {};  // the tool names it
    return "--type serial-com: CORVO_SERIAL_COM_TERMINAL=" + std::string(set) + " names another terminal than --terminal " +
           std::to_string(o.terminals[0]);
}

std::string check_command_options(const Options& o, const std::string& command) {
    static const std::map<std::string, std::set<std::string>> allowed = {
        {"collect", {"--out", "--max"}},
        {"access-list", {"--card-digits", "--card-pattern", "--reconfigure"}},
        {"watch", {"--grant", "--allow"}},
        {"display", {"--seconds"}},
    };
    const auto it = allowed.find(command);
    for (const std::string& g : o.given)
        if (it == allowed.end() || !it->second.count(g)) return "option " + g + " does not belong to '" + command + "'";
    return {};
}

}  // namespace vtool
