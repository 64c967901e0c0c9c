#include "sim/modem.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace corvo::sim {

namespace {
constexpr int kOk = 0;
constexpr int kConnect = 1;
constexpr int kError = 4;
constexpr std::size_t kLongestLine = 256;
constexpr int kGoOn = -1;  // an AT command's handler: the next command follows
constexpr int kLargestArgument = 1000;
constexpr int kDecimal = 10;

const char* text_of(int code) {
    switch (code) {
        case 0: return "OK";
        case 1: return "CONNECT 2400";
        case 3: return "NO CARRIER";
        case 4: return "ERROR";
        case 6: return "NO DIALTONE";
        case 7: return "BUSY";
        default: return "ERROR";
    }
}
}  // namespace

bool Modem::parse_verdict(const std::string& word, Verdict& out) {
    if (word == "connect") out = Verdict::Connect;
    else if (word == "busy") out = Verdict::Busy;
    else if (word == "no-carrier") out = Verdict::NoCarrier;
    else if (word == "no-dialtone") out = Verdict::NoDialTone;
    else return false;
    return true;
}

const char* Modem::name(Verdict v) {
    switch (v) {
        case Verdict::Connect: return "connect";
        case Verdict::Busy: return "busy";
        case Verdict::NoCarrier: return "no-carrier";
        case Verdict::NoDialTone: return "no-dialtone";
    }
    return "connect";
}

void Modem::reset() {
    data_mode_ = false;
    connected_ = false;
    echo_ = true;
    verbose_ = true;
    quiet_ = false;
    line_.clear();
}

void Modem::result(int code, std::vector<uint8_t>& reply) const {
    if (quiet_) return;
    const std::string s = verbose_ ? std::string("\r\n") + text_of(code) + "\r\n" : std::to_string(code) + "\r";
    reply.insert(reply.end(), s.begin(), s.end());
}

void Modem::feed(const uint8_t* bytes, std::size_t size, std::vector<uint8_t>& reply, std::vector<uint8_t>& data) {
    for (std::size_t i = 0; i < size; ++i) {
        if (data_mode_) {
            data.insert(data.end(), bytes + i, bytes + size);
            return;
        }
        const uint8_t b = bytes[i];
        if (echo_) reply.push_back(b);
        if (b == '\r') {
            const std::string line = line_;
            line_.clear();
            run_line(line, reply);
        } else if (b == '\n') {
            continue;
        } else if (b == 8 || b == 127) {
            if (!line_.empty()) line_.pop_back();
        } else if (line_.size() < kLongestLine) {
            line_.push_back(static_cast<char>(b));
        }
    }
}

// The rest of an AT line, read command by command.
struct Modem::AtCursor {
    const std::string& line;
    std::size_t i = 2;  // after "AT"
    bool more() const { return i < line.size(); }
    // A decimal number here (at most four digits read), or `fallback`.
    int number(int fallback = 0) {
        int n = 0;
        bool any = false;
        while (more() && std::isdigit(static_cast<unsigned char>(line[i])) && n < kLargestArgument) {
            n = n * kDecimal + (line[i++] - '0');
            any = true;
        }
        return any ? n : fallback;
    }
};

int Modem::at_echo(AtCursor& at) { return echo_ = at.number() != 0, kGoOn; }
int Modem::at_verbose(AtCursor& at) { return verbose_ = at.number() != 0, kGoOn; }
int Modem::at_quiet(AtCursor& at) { return quiet_ = at.number() != 0, kGoOn; }
int Modem::at_ignored(AtCursor& at) { return at.number(), kGoOn; }

int Modem::at_reset(AtCursor& at) {
    at.number();
    reset();
    return kGoOn;
}

int Modem::at_hang_up(AtCursor& at) {
    at.number();
    connected_ = false;
    return kGoOn;
}

int Modem::at_online(AtCursor& at) {
    at.number();
    if (!connected_) return kError;
    data_mode_ = true;
    return kConnect;
}

// The rest of the line is the number, after an optional T (tone) or P (pulse).
int Modem::at_dial(AtCursor& at) {
    std::string rest = at.line.substr(at.i);
    method_ = 'T';
    if (!rest.empty() && (rest[0] == 'T' || rest[0] == 'P')) {
        method_ = rest[0];
        rest.erase(0, 1);
    }
    dialed_ = rest;
    if (verdict_ == Verdict::Connect) {
        connected_ = true;
        data_mode_ = true;
    }
    return static_cast<int>(verdict_);
}

// &F restores the factory settings; &C1 and the other & settings are acknowledged.
int Modem::at_ampersand(AtCursor& at) {
    if (!at.more() || !std::isalpha(static_cast<unsigned char>(at.line[at.i]))) return kError;
    if (at.line[at.i++] == 'F') reset();
    at.number();
    return kGoOn;
}

// Sn=v sets a register, Sn? reads it: both acknowledged.
int Modem::at_register(AtCursor& at) {
    at.number();
    if (at.more() && (at.line[at.i] == '=' || at.line[at.i] == '?')) {
        const bool set = at.line[at.i++] == '=';
        if (set) at.number();
    }
    return kGoOn;
}

namespace {
struct AtCommand {
    char letter;
    int (Modem::*fn)(Modem::AtCursor& at);
};
}  // namespace

void Modem::run_line(const std::string& raw, std::vector<uint8_t>& reply) {
    static constexpr AtCommand kCommands[] = {
        {'E', &Modem::at_echo},     {'V', &Modem::at_verbose},   {'Q', &Modem::at_quiet},
        {'Z', &Modem::at_reset},    {'H', &Modem::at_hang_up},   {'O', &Modem::at_online},
        {'D', &Modem::at_dial},     {'&', &Modem::at_ampersand}, {'S', &Modem::at_register},
        {'X', &Modem::at_ignored},  {'M', &Modem::at_ignored},   {'L', &Modem::at_ignored},
        {'I', &Modem::at_ignored},  {'B', &Modem::at_ignored},   {'W', &Modem::at_ignored},
        {'N', &Modem::at_ignored},
    };
    std::string line;
    for (char c : raw)
        if (c != ' ') line.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (line.empty()) return;
    ++lines_;
    if (line.rfind("AT", 0) != 0) return result(kError, reply);
    AtCursor at{line};
    while (at.more()) {
        const char c = line[at.i++];
        const AtCommand* cmd = std::find_if(std::begin(kCommands), std::end(kCommands),
                                            [c](const AtCommand& k) { return k.letter == c; });
        if (cmd == std::end(kCommands)) return result(kError, reply);
        const int code = (this->*cmd->fn)(at);
        if (code != kGoOn) return result(code, reply);
    }
    result(kOk, reply);
}

std::string Modem::json() const {
    std::string dialed;
    for (char c : dialed_)
        if (c != '"' && c != '\\' && c >= 0x20 && c < 0x7F) dialed.push_back(c);
    return std::string("{\"verdict\":\"") + name(verdict_) + "\",\"data_mode\":" + (data_mode_ ? "true" : "false") +
           ",\"dialed\":\"" + dialed + "\",\"method\":\"" + method_ + "\",\"command_lines\":" +
           std::to_string(lines_) + "}";
}

}  // namespace corvo::sim
