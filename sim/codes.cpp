#include "sim/codes.h"

namespace corvo::sim {

std::string bcd_digits(const uint8_t* p, std::size_t size) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (std::size_t i = 0; i < size; ++i) {
        s += digits[p[i] >> 4];
        s += digits[p[i] & 15];
    }
    return s;
}

void put_bcd(uint8_t* p, std::size_t size, uint64_t value) {
    for (std::size_t i = size; i-- > 0; value /= 100) p[i] = packed_bcd(static_cast<int>(value % 100));
}

std::string strip_zeros(const std::string& s) {
    const auto at = s.find_first_not_of('0');
    return at == std::string::npos ? std::string("0") : s.substr(at);
}

uint64_t decimal_value(const std::string& s) {
    uint64_t v = 0;
    int digits = 0;
    for (char c : s) {
        if (c < '0' || c > '9') continue;
        v = v * 10 + static_cast<uint64_t>(c - '0');
        if (++digits >= 19) break;
    }
    return v;
}

namespace {
int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}
}  // namespace

void put_pair_code(uint8_t* p, const std::string& id) {
    std::string field(16, '\0');
    const std::string t = id.size() > 16 ? id.substr(0, 16) : id;
    field.replace(16 - t.size(), t.size(), t);
    for (int i = 0; i < 8; ++i) {
        const char a = field[2 * i], b = field[2 * i + 1];
        const int v = a == '\0' ? hex_value(b) : hex_value(a) * 16 + hex_value(b);
        p[i] = static_cast<uint8_t>(v + 1);
    }
}

std::string pair_code_digits(const uint8_t* p, std::size_t size) {
    Bytes raw(size);
    for (std::size_t i = 0; i < size; ++i) raw[i] = static_cast<uint8_t>(p[i] - 1);
    return bcd_digits(raw.data(), raw.size());
}

void put_ossel_id(uint8_t* p, std::size_t size, const std::string& id) {
    for (std::size_t i = 0; i < size; ++i) p[i] = 0xFF;
    const std::string t = id.size() > 16 ? id.substr(0, 16) : id;
    for (std::size_t i = 0; i < t.size() && i / 2 < size; i += 2) {
        const int hi = (t[i] >= '0' && t[i] <= '9') ? t[i] - '0' : 0;
        const int lo = i + 1 < t.size() ? ((t[i + 1] >= '0' && t[i + 1] <= '9') ? t[i + 1] - '0' : 0) : 15;
        p[i / 2] = static_cast<uint8_t>(hi << 4 | lo);
    }
}

std::string ossel_id(const uint8_t* p, std::size_t size) {
    std::string s;
    for (std::size_t i = 0; i < size; ++i) {
        for (int n : {p[i] >> 4, p[i] & 15}) {
            if (n == 15) return s;
            s += std::to_string(n);
        }
    }
    return s;
}

std::string zero_padded(const std::string& s, std::size_t width) {
    const std::string t = s.size() > width ? s.substr(s.size() - width) : s;
    return std::string(width - t.size(), '0') + t;
}

}  // namespace corvo::sim
