#include "sim/state_file.h"

#include <cstdio>
#include <deque>
#include <fstream>
#include <sstream>
#include <vector>

namespace corvo::sim {

namespace {

constexpr const char* kMagic = "corvo-sim-state 1";

std::string hex(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    s.reserve(bytes.size() * 2 + 1);
    for (uint8_t b : bytes) {
        s.push_back(digits[b >> 4]);
        s.push_back(digits[b & 15]);
    }
    return s.empty() ? "-" : s;
}

bool unhex(const std::string& s, std::vector<uint8_t>& out) {
    out.clear();
    if (s == "-") return true;
    if (s.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        unsigned v = 0;
        if (std::sscanf(s.c_str() + i, "%2x", &v) != 1) return false;
        out.push_back(static_cast<uint8_t>(v));
    }
    return true;
}

}  // namespace

bool save_state(const std::string& path, const TerminalBank& bank, const link::Endpoint& endpoint) {
    std::ostringstream o;
    o << kMagic << "\n";
    for (const auto& [number, t] : bank.terminals()) {
        o << "terminal " << number << " " << t.next_punch_id << " " << t.punches_delivered << " "
          << static_cast<int>(t.handed) << " " << t.last_session << " " << t.last_seq << " " << t.punches.size()
          << "\n";
        for (const Punch& p : t.punches)
            o << int(p.type) << " " << int(p.day) << " " << int(p.month) << " " << int(p.year) << " " << int(p.hour)
              << " " << int(p.minute) << " " << p.card << " " << p.id << "\n";
    }
    for (const auto& [number, m] : endpoint.memory())
        o << "memory " << number << " " << m.session << " " << m.last_seq << " " << (m.has_last ? 1 : 0) << " "
          << m.fingerprint << " " << m.pending_seq << " " << hex(m.last_answer) << "\n";
    o << "end\n";
    const std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        const std::string text = o.str();
        f.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!f) return false;
    }
    return std::rename(tmp.c_str(), path.c_str()) == 0;
}

bool load_state(const std::string& path, TerminalBank& bank, link::Endpoint& endpoint, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    if (!std::getline(f, line) || line != kMagic) {
        error = path + ": not a corvo-sim state file";
        return false;
    }
    struct Saved {
        uint32_t number = 0;
        uint16_t next_punch_id = 1;
        uint64_t punches_delivered = 0;
        Terminal::Handed handed = Terminal::Handed::Nothing;
        uint32_t last_session = 0;
        uint16_t last_seq = 0;
        std::deque<Punch> punches;
    };
    std::vector<Saved> terminals;
    std::vector<std::pair<uint32_t, link::Endpoint::Memory>> memories;
    bool ended = false;
    while (!ended && std::getline(f, line)) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        if (kind == "terminal") {
            Saved s;
            unsigned long long delivered = 0, count = 0;
            int handed = 0;
            unsigned session = 0, seq = 0, next_id = 0;
            if (!(in >> s.number >> next_id >> delivered >> handed >> session >> seq >> count) || handed < 0 ||
                handed > 3 || count > 10000000) {
                error = path + ": bad terminal line";
                return false;
            }
            s.next_punch_id = static_cast<uint16_t>(next_id);
            s.punches_delivered = delivered;
            s.handed = static_cast<Terminal::Handed>(handed);
            s.last_session = session;
            s.last_seq = static_cast<uint16_t>(seq);
            for (unsigned long long i = 0; i < count; ++i) {
                int v[6];
                unsigned long long card = 0;
                unsigned id = 0;
                if (!std::getline(f, line)) {
                    error = path + ": punches cut short";
                    return false;
                }
                std::istringstream p(line);
                if (!(p >> v[0] >> v[1] >> v[2] >> v[3] >> v[4] >> v[5] >> card >> id)) {
                    error = path + ": bad punch line";
                    return false;
                }
                Punch punch;
                uint8_t* fields[6] = {&punch.type, &punch.day, &punch.month, &punch.year, &punch.hour, &punch.minute};
                for (int k = 0; k < 6; ++k) *fields[k] = static_cast<uint8_t>(v[k]);
                punch.card = card;
                punch.id = static_cast<uint16_t>(id);
                s.punches.push_back(punch);
            }
            terminals.push_back(std::move(s));
        } else if (kind == "memory") {
            uint32_t number = 0;
            link::Endpoint::Memory m;
            unsigned seq = 0, pending = 0;
            int has_last = 0;
            std::string answer;
            if (!(in >> number >> m.session >> seq >> has_last >> m.fingerprint >> pending >> answer) ||
                !unhex(answer, m.last_answer)) {
                error = path + ": bad memory line";
                return false;
            }
            m.last_seq = static_cast<uint16_t>(seq);
            m.has_last = has_last != 0;
            m.pending_seq = static_cast<uint16_t>(pending);
            memories.emplace_back(number, std::move(m));
        } else if (kind == "end") {
            ended = true;
        } else {
            error = path + ": unknown line " + kind;
            return false;
        }
    }
    if (!ended) {
        error = path + ": cut short";
        return false;
    }
    for (Saved& s : terminals) {
        Terminal& t = bank.terminal(s.number);
        t.punches = std::move(s.punches);
        t.next_punch_id = s.next_punch_id;
        t.punches_delivered = s.punches_delivered;
        t.handed = s.handed;
        t.last_session = s.last_session;
        t.last_seq = s.last_seq;
    }
    for (auto& [number, m] : memories) endpoint.restore(number, std::move(m));
    return true;
}

}  // namespace corvo::sim
