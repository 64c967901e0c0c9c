#include "sim/json_writer.h"

#include <cstdio>

namespace corvo::sim {

std::string json_escape(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void Json::separator() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

Json& Json::open(char bracket) {
    separator();
    out_ += bracket;
    first_.push_back(true);
    return *this;
}
Json& Json::close(char bracket) {
    out_ += bracket;
    first_.pop_back();
    return *this;
}

Json& Json::key(const char* k) {
    separator();
    out_ += '"';
    out_ += json_escape(k);
    out_ += "\":";
    after_key_ = true;
    return *this;
}
Json& Json::value(const std::string& s) {
    separator();
    out_ += '"';
    out_ += json_escape(s);
    out_ += '"';
    return *this;
}
Json& Json::value(int64_t n) {
    separator();
    out_ += std::to_string(n);
    return *this;
}
Json& Json::value(bool b) {
    separator();
    out_ += b ? "true" : "false";
    return *this;
}
Json& Json::hex(const uint8_t* data, std::size_t size) {
    static const char* digits = "0123456789abcdef";
    std::string s;
    s.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        s += digits[data[i] >> 4];
        s += digits[data[i] & 15];
    }
    return value(s);
}

}  // namespace corvo::sim
