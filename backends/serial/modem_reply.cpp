#include "modem_reply.h"

#include <cctype>

namespace corvo::serial {

namespace {
struct Word {
    const char* text;
    int code;
};
// Longer words first where one begins with another.
constexpr Word kWords[] = {
    {"OK", 0},          {"CONNECT", 1}, {"RING", 2},   {"NO CARRIER", 3}, {"ERROR", 4},
    {"NO DIALTONE", 6}, {"NO DIAL TONE", 6}, {"BUSY", 7}, {"NO ANSWER", 8},
};
}  // namespace

int ModemReplyDecoder::code_of(const std::string& line) {
    if (line.empty()) return -1;
    bool digits = line.size() <= 3;
    for (char c : line) digits = digits && std::isdigit(static_cast<unsigned char>(c));
    if (digits) return std::stoi(line);
    std::string upper;
    for (char c : line) upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    for (const Word& w : kWords) {
        const std::string t = w.text;
        // "CONNECT 2400" is still a connection; "OKAY" is not "OK".
        if (upper == t || (w.code == 1 && upper.rfind(t + " ", 0) == 0)) return w.code;
    }
    return -1;
}

int ModemReplyDecoder::feed(uint8_t byte) {
    if (byte == '\r' || byte == '\n') {
        const int code = overlong_ ? -1 : code_of(line_);
        line_.clear();
        overlong_ = false;
        return code;
    }
    if (line_.size() >= kLongestLine) {
        overlong_ = true;
        return -1;
    }
    line_.push_back(static_cast<char>(byte));
    return -1;
}

}  // namespace corvo::serial
