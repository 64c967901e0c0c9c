#include "sim/control.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sim/events.h"
#include "sim/punches.h"
#include "sim/state_json.h"

namespace corvo::sim {

namespace {
bool to_long(const std::string& s, long low, long high, long& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0' || v < low || v > high) return false;
    out = v;
    return true;
}

bool all_digits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

bool parse_number_list(const std::string& text, long low, long high, std::set<long>& out, std::size_t max_count) {
    std::stringstream ss(text);
    std::string part;
    while (std::getline(ss, part, ',')) {
        const auto dash = part.find('-');
        long a, b;
        if (dash == std::string::npos) {
            if (!to_long(part, low, high, a)) return false;
            b = a;
        } else if (!to_long(part.substr(0, dash), low, high, a) || !to_long(part.substr(dash + 1), low, high, b) || b < a) {
            return false;
        }
        // Counted before it is expanded: "1-100000000" costs nothing to refuse.
        if (static_cast<unsigned long>(b - a) >= max_count - std::min(max_count, out.size())) return false;
        for (long v = a; v <= b; ++v) out.insert(v);
    }
    return true;
}

namespace {
using Words = std::vector<std::string>;
// A command's answer; nothing when its words do not fit it (the usage text).
using Answer = std::optional<std::string>;

const std::string& arg(const Words& w, std::size_t i) {
    static const std::string none;
    return i < w.size() ? w[i] : none;
}

// An identifier or card of at most 16 digits in word `i`.
bool digits_at(const Words& w, std::size_t i) { return all_digits(arg(w, i)) && arg(w, i).size() <= 16; }

Answer ping(TerminalBank&, Terminal*, const Words&) { return "ok"; }

Answer reset(TerminalBank& bank, Terminal*, const Words&) {
    bank.reset();
    return "ok";
}

Answer dump_bank(TerminalBank& bank, Terminal*, const Words&) { return bank_json(bank); }

Answer dump(TerminalBank&, Terminal* t, const Words& w) {
    if (w.size() == 2) return terminal_json(*t);
    if (w.size() == 3 && w[2] == "punches") return punches_json(t->number, *t);
    return std::nullopt;
}

std::string memories_full() {
    return "error the punch memories are full (" + std::to_string(kMaxStoredPunches) + " punches)";
}

Answer card(TerminalBank& bank, Terminal* t, const Words& w) {
    if (!digits_at(w, 2)) return std::nullopt;
    if (!t->online && stored_punches(bank) >= kMaxStoredPunches) return memories_full();
    long reader = 1;
    if (w.size() > 3 && !to_long(w[3], 0, 255, reader)) return "error bad reader";
    present_card(*t, w[2], static_cast<uint8_t>(reader));
    return "ok";
}

Answer keypad(TerminalBank&, Terminal* t, const Words& w) {
    if (!digits_at(w, 2)) return std::nullopt;
    push_event(*t, kOriginKeypad, 0, w[2]);
    return "ok";
}

Answer finger(TerminalBank&, Terminal* t, const Words& w) {
    if (!digits_at(w, 2)) return std::nullopt;
    t->bio.finger = strip_zeros(w[2]);
    if (t->online) push_event(*t, kOriginFinger, 0, w[2]);
    return "ok";
}

Answer punches(TerminalBank& bank, Terminal* t, const Words& w) {
    long v = 0;
    if (!to_long(arg(w, 2), 0, 1000000, v)) return std::nullopt;
    if (stored_punches(bank) + static_cast<std::size_t>(v) > kMaxStoredPunches) return memories_full();
    seed_punches(*t, static_cast<int>(v), bank.rng);
    return "ok";
}

Answer bio_user(TerminalBank& bank, Terminal* t, const Words& w) {
    if (!digits_at(w, 2)) return std::nullopt;
    long templates = 1;
    if (w.size() > 3 && !to_long(w[3], 0, 2, templates)) return "error bad template count";
    BioUser* slot = bio_user_slot(t->bio, strip_zeros(w[2]));
    if (slot == nullptr) return "error the fingerprint module is full (" + std::to_string(kMaxBioUsers) + " users)";
    BioUser& u = *slot;
    u.templates.clear();
    for (long k = 0; k < templates; ++k) {
        Bytes tpl(kBioTemplateSize);
        for (auto& b : tpl) b = static_cast<uint8_t>(bank.rng());
        tpl[0] = 0x54;
        u.templates.push_back(tpl);
    }
    return "ok";
}

Answer ossel_user(TerminalBank& bank, Terminal* t, const Words& w) {
    if (!digits_at(w, 2)) return std::nullopt;
    if (t->ossel.users.size() >= kMaxOsselUsers)
        return "error the Ossel module is full (" + std::to_string(kMaxOsselUsers) + " users)";
    OsselUser u;
    u.id = w[2];
    u.record.assign(kOsselRecordSize, 0);
    put_ossel_id(&u.record[kOsselRecordId], kOsselIdSize, u.id);
    put_ossel_id(&u.record[kOsselRecordPin], kOsselIdSize, all_digits(arg(w, 3)) ? arg(w, 3) : std::string());
    for (std::size_t i = kOsselRecordTemplate; i < kOsselRecordTemplate + kOsselTemplateSize; ++i)
        u.record[i] = static_cast<uint8_t>(bank.rng());
    t->ossel.users.push_back(u);
    return "ok";
}

Answer sensors(TerminalBank&, Terminal* t, const Words& w) {
    if (w.size() != 5) return std::nullopt;
    long a, b, c;
    if (!to_long(w[2], 0, 255, a) || !to_long(w[3], 0, 255, b) || !to_long(w[4], 0, 255, c)) return "error bad sensor value";
    t->sensors = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return "ok";
}

Answer pattern(TerminalBank&, Terminal* t, const Words& w) {
    long v = 0;
    if (!to_long(arg(w, 2), 0, 1, v)) return std::nullopt;
    t->card_pattern = static_cast<uint8_t>(v);
    return "ok";
}

// "refuse T LIST" or "accept T LIST".
Answer refuse(TerminalBank&, Terminal* t, const Words& w) {
    if (w.size() != 3) return std::nullopt;
    std::set<long> codes;
    if (!parse_number_list(w[2], 0, 255, codes)) return "error bad command list";
    for (long c : codes) {
        if (w[0] == "refuse")
            t->refused.insert(static_cast<uint8_t>(c));
        else
            t->refused.erase(static_cast<uint8_t>(c));
    }
    return "ok";
}

Answer online(TerminalBank&, Terminal* t, const Words& w) {
    long v = 0;
    if (!to_long(arg(w, 2), 0, 1, v)) return std::nullopt;
    t->online = v == 1;
    return "ok";
}

// Every block of command C the terminal accepted (with --keep-blocks), in
// hexadecimal, oldest first, separated by spaces.
Answer blocks(TerminalBank&, Terminal* t, const Words& w) {
    long v = 0;
    if (!to_long(arg(w, 2), 0, 255, v)) return std::nullopt;
    static const char* kHex = "0123456789abcdef";
    std::string out = "ok";
    for (const auto& block : t->kept_blocks[static_cast<uint8_t>(v)]) {
        out += ' ';
        for (uint8_t b : block) {
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

// Flags of a control command.
enum : unsigned {
    kBankWide = 1,  // needs no terminal number
    kAlone = 2,     // only when the line is the word alone
    kStops = 4,     // the emulator stops after answering
    kStores = 8,    // may store punches: the state file is written before the answer
};

struct ControlCommand {
    const char* word;
    Answer (*fn)(TerminalBank& bank, Terminal* t, const Words& w);  // t: the terminal of word 1, unless kBankWide
    const char* usage;
    unsigned flags;
};

// In the order of the usage text.
constexpr ControlCommand kCommands[] = {
    {"ping", ping, "ping", kBankWide},
    {"dump", dump_bank, "dump [T]", kBankWide | kAlone},
    {"dump", dump, "dump T punches", 0},
    {"card", card, "card T DIGITS [READER]", kStores},
    {"keypad", keypad, "keypad T DIGITS", 0},
    {"finger", finger, "finger T ID", 0},
    {"punches", punches, "punches T N", kStores},
    {"bio-user", bio_user, "bio-user T ID [TEMPLATES]", 0},
    {"ossel-user", ossel_user, "ossel-user T ID [PIN]", 0},
    {"sensors", sensors, "sensors T A B C", 0},
    {"pattern", pattern, "pattern T 0|1", 0},
    {"refuse", refuse, "refuse T LIST", 0},
    {"accept", refuse, "accept T LIST", 0},
    {"online", online, "online T 0|1", 0},
    {"blocks", blocks, "blocks T C", 0},
    {"reset", reset, "reset", kBankWide | kStores},
    {"stop", ping, "stop", kBankWide | kStops},
};

const std::string& usage() {
    static const std::string text = [] {
        std::string s = "error commands:";
        for (const ControlCommand& c : kCommands) s += std::string(s.back() == ':' ? " " : ", ") + c.usage;
        return s;
    }();
    return text;
}

const ControlCommand* find_command(const Words& w) {
    for (const ControlCommand& c : kCommands)
        if (w[0] == c.word && ((c.flags & kAlone) == 0 || w.size() == 1)) return &c;
    return nullptr;
}

ControlResult run(const ControlCommand& c, TerminalBank& bank, Terminal* t, const Words& w) {
    const Answer a = c.fn(bank, t, w);
    return {a ? *a : usage(), (c.flags & kStops) != 0, (c.flags & kStores) != 0};
}
}  // namespace

ControlResult control_command(TerminalBank& bank, const std::string& line) {
    std::istringstream in(line);
    Words w;
    for (std::string s; in >> s;) w.push_back(s);
    if (w.empty()) return {usage()};
    const ControlCommand* c = find_command(w);
    if (c != nullptr && (c->flags & kBankWide) != 0) return run(*c, bank, nullptr, w);
    // The other words name a terminal, made (within --max-terminals) even
    // when the rest of the line is not understood.
    long n = 0;
    if (w.size() < 2 || !to_long(w[1], 0, 0xFFFFFFFFL, n)) return {usage()};
    if (!bank.has(static_cast<uint32_t>(n)) && bank.terminals().size() >= bank.max_terminals)
        return {"error already " + std::to_string(bank.max_terminals) + " terminals (--max-terminals)"};
    Terminal& t = bank.terminal(static_cast<uint32_t>(n));
    return c == nullptr ? ControlResult{usage()} : run(*c, bank, &t, w);
}

}  // namespace corvo::sim
