#include "sim/modem.h"

#include <cctype>

namespace corvo::sim {

namespace {
constexpr int kOk = 0;
constexpr int kConnect = 1;
constexpr int kError = 4;
constexpr std::size_t kLongestLine = 256;

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

void Modem::run_line(const std::string& raw, std::vector<uint8_t>& reply) {
    std::string line;
    for (char c : raw)
        if (c != ' ') line.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (line.empty()) return;
    ++lines_;
    if (line.size() < 2 || line[0] != 'A' || line[1] != 'T') return result(kError, reply);
    std::size_t i = 2;
    auto number = [&](int fallback) {
        int n = 0;
        bool any = false;
        while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])) && n < 1000) {
            n = n * 10 + (line[i++] - '0');
            any = true;
        }
        return any ? n : fallback;
    };
    while (i < line.size()) {
        const char c = line[i++];
        switch (c) {
            case 'E': echo_ = number(0) != 0; break;
            case 'V': verbose_ = number(0) != 0; break;
            case 'Q': quiet_ = number(0) != 0; break;
            case 'Z':
                number(0);
                reset();
                break;
            case 'H':
                number(0);
                connected_ = false;
                break;
            case 'O':
                number(0);
                if (!connected_) return result(kError, reply);
                data_mode_ = true;
                return result(kConnect, reply);
            case 'D': {
                std::string rest = line.substr(i);
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
                return result(static_cast<int>(verdict_), reply);
            }
            case '&':
                if (i >= line.size() || !std::isalpha(static_cast<unsigned char>(line[i]))) return result(kError, reply);
                if (line[i++] == 'F') reset();
                number(0);
                break;
            case 'S':
                number(0);
                if (i < line.size() && line[i] == '=') {
                    ++i;
                    number(0);
                } else if (i < line.size() && line[i] == '?') {
                    ++i;
                }
                break;
            case 'X': case 'M': case 'L': case 'I': case 'B': case 'W': case 'N':
                number(0);
                break;
            default:
                return result(kError, reply);
        }
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
