#include "sim/control.h"

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

const char* kUsage =
    "error commands: ping, dump [T], dump T punches, card T DIGITS [READER], keypad T DIGITS, finger T ID, punches T N, "
    "bio-user T ID [TEMPLATES], ossel-user T ID [PIN], sensors T A B C, pattern T 0|1, refuse T LIST, "
    "accept T LIST, online T 0|1, blocks T C, reset, stop";
}  // namespace

bool parse_number_list(const std::string& text, long low, long high, std::set<long>& out) {
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
        for (long v = a; v <= b; ++v) out.insert(v);
    }
    return true;
}

ControlResult control_command(TerminalBank& bank, const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    if (w.empty()) return {kUsage};
    const std::string& cmd = w[0];
    if (cmd == "ping") return {"ok"};
    if (cmd == "stop") return {"ok", true};
    if (cmd == "reset") {
        bank.reset();
        return {"ok"};
    }
    if (cmd == "dump" && w.size() == 1) return {bank_json(bank)};

    long n = 0;
    if (w.size() < 2 || !to_long(w[1], 0, 0xFFFFFFFFL, n)) return {kUsage};
    if (!bank.has(static_cast<uint32_t>(n)) && bank.terminals().size() >= bank.max_terminals)
        return {"error already " + std::to_string(bank.max_terminals) + " terminals (--max-terminals)"};
    Terminal& t = bank.terminal(static_cast<uint32_t>(n));
    auto arg = [&](std::size_t i) { return i < w.size() ? w[i] : std::string(); };
    long v = 0;

    if (cmd == "dump" && w.size() == 2) return {terminal_json(t)};
    if (cmd == "dump" && w.size() == 3 && w[2] == "punches") return {punches_json(static_cast<uint32_t>(n), t)};
    if (cmd == "card" && all_digits(arg(2)) && arg(2).size() <= 16) {
        long reader = 1;
        if (w.size() > 3 && !to_long(w[3], 0, 255, reader)) return {"error bad reader"};
        present_card(t, w[2], static_cast<uint8_t>(reader));
        return {"ok"};
    }
    if (cmd == "keypad" && all_digits(arg(2)) && arg(2).size() <= 16) {
        push_event(t, kOriginKeypad, 0, w[2]);
        return {"ok"};
    }
    if (cmd == "finger" && all_digits(arg(2)) && arg(2).size() <= 16) {
        t.bio.finger = strip_zeros(w[2]);
        if (t.online) push_event(t, kOriginFinger, 0, w[2]);
        return {"ok"};
    }
    if (cmd == "punches" && to_long(arg(2), 0, 1000000, v)) {
        seed_punches(t, static_cast<int>(v), bank.rng);
        return {"ok"};
    }
    if (cmd == "bio-user" && all_digits(arg(2)) && arg(2).size() <= 16) {
        long templates = 1;
        if (w.size() > 3 && !to_long(w[3], 0, 2, templates)) return {"error bad template count"};
        BioUser& u = t.bio.users[strip_zeros(w[2])];
        u.templates.clear();
        for (long k = 0; k < templates; ++k) {
            Bytes tpl(404);
            for (auto& b : tpl) b = static_cast<uint8_t>(bank.rng());
            tpl[0] = 0x54;
            u.templates.push_back(tpl);
        }
        return {"ok"};
    }
    if (cmd == "ossel-user" && all_digits(arg(2)) && arg(2).size() <= 16) {
        OsselUser u;
        u.id = w[2];
        u.record.assign(451, 0);
        put_ossel_id(&u.record[2], 9, u.id);
        put_ossel_id(&u.record[11], 9, all_digits(arg(3)) ? arg(3) : std::string());
        for (int i = 20; i < 240; ++i) u.record[static_cast<std::size_t>(i)] = static_cast<uint8_t>(bank.rng());
        t.ossel.users.push_back(u);
        return {"ok"};
    }
    if (cmd == "sensors" && w.size() == 5) {
        long a, b, c;
        if (!to_long(w[2], 0, 255, a) || !to_long(w[3], 0, 255, b) || !to_long(w[4], 0, 255, c)) return {"error bad sensor value"};
        t.sensors = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
        return {"ok"};
    }
    if (cmd == "pattern" && to_long(arg(2), 0, 1, v)) {
        t.card_pattern = static_cast<uint8_t>(v);
        return {"ok"};
    }
    if ((cmd == "refuse" || cmd == "accept") && w.size() == 3) {
        std::set<long> codes;
        if (!parse_number_list(w[2], 0, 255, codes)) return {"error bad command list"};
        for (long c : codes) {
            if (cmd == "refuse")
                t.refused.insert(static_cast<uint8_t>(c));
            else
                t.refused.erase(static_cast<uint8_t>(c));
        }
        return {"ok"};
    }
    if (cmd == "blocks" && to_long(arg(2), 0, 255, v)) {
        // Every block of command C the terminal accepted (with --keep-blocks),
        // in hexadecimal, oldest first, separated by spaces.
        static const char* kHex = "0123456789abcdef";
        std::string out = "ok";
        for (const auto& block : t.kept_blocks[static_cast<uint8_t>(v)]) {
            out += ' ';
            for (uint8_t b : block) {
                out += kHex[b >> 4];
                out += kHex[b & 15];
            }
        }
        return {out};
    }
    if (cmd == "online" && to_long(arg(2), 0, 1, v)) {
        t.online = v == 1;
        return {"ok"};
    }
    return {kUsage};
}

}  // namespace corvo::sim
