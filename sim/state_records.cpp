#include "sim/state_records.h"

#include <charconv>

#include "link/crc.h"

namespace corvo::sim {

namespace {
constexpr char kDigits[] = "0123456789abcdef";
constexpr std::string_view kCheckMark = " ~";
constexpr std::size_t kCheckDigits = 8;
constexpr int kHexBase = 16;
constexpr std::string_view kNoBytes = "-";

uint32_t check_of(std::string_view text) {
    return link::crc32(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

int nibble(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

RecordWriter::RecordWriter(std::string& out, std::string_view kind) : out_(out), start_(out.size()) {
    out_.append(kind);
}

RecordWriter& RecordWriter::number(uint64_t value) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out_.push_back(' ');
    out_.append(buf, r.ptr);
    return *this;
}

RecordWriter& RecordWriter::hex(const std::vector<uint8_t>& bytes) {
    out_.push_back(' ');
    if (bytes.empty()) out_.append(kNoBytes);
    for (uint8_t b : bytes) {
        out_.push_back(kDigits[b >> 4]);
        out_.push_back(kDigits[b & 15]);
    }
    return *this;
}

void RecordWriter::end() {
    const uint32_t check = check_of(std::string_view(out_).substr(start_));
    char buf[kCheckDigits];
    for (std::size_t i = 0; i < kCheckDigits; ++i) buf[i] = kDigits[(check >> (28 - 4 * i)) & 15];
    out_.append(kCheckMark);
    out_.append(buf, kCheckDigits);
    out_.push_back('\n');
}

bool Record::parse(std::string_view line, std::string& why) {
    words_.clear();
    const std::size_t mark = line.rfind(kCheckMark);
    uint32_t check = 0;
    const std::string_view digits = mark == std::string_view::npos ? "" : line.substr(mark + kCheckMark.size());
    const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), check, kHexBase);
    if (digits.size() != kCheckDigits || r.ptr != digits.data() + digits.size()) {
        why = "no check at the end of the line";
        return false;
    }
    const std::string_view text = line.substr(0, mark);
    if (check_of(text) != check) {
        why = "the line fails its check (damaged)";
        return false;
    }
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t space = text.find(' ', at);
        if (space == std::string_view::npos) space = text.size();
        words_.push_back(text.substr(at, space - at));
        at = space + 1;
    }
    return true;
}

bool Record::number(std::size_t i, const char* name, uint64_t low, uint64_t high, uint64_t& out,
                    std::string& why) const {
    const std::string_view w = words_[i];
    uint64_t v = 0;
    const auto r = std::from_chars(w.data(), w.data() + w.size(), v);
    if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size() || v < low || v > high) {
        why = std::string(name) + " '" + std::string(w) + "' is not a number in " + std::to_string(low) + ".." +
              std::to_string(high);
        return false;
    }
    out = v;
    return true;
}

bool Record::bytes(std::size_t i, std::size_t max, std::vector<uint8_t>& out, std::string& why) const {
    const std::string_view w = words_[i];
    out.clear();
    if (w == kNoBytes) return true;
    if (w.empty() || w.size() % 2 != 0 || w.size() / 2 > max) {
        why = "the answer bytes are not 1.." + std::to_string(max) + " bytes of hexadecimal";
        return false;
    }
    out.reserve(w.size() / 2);
    for (std::size_t k = 0; k < w.size(); k += 2) {
        const int hi = nibble(w[k]), lo = nibble(w[k + 1]);
        if (hi < 0 || lo < 0) {
            why = "the answer bytes are not hexadecimal";
            return false;
        }
        out.push_back(static_cast<uint8_t>(hi << 4 | lo));
    }
    return true;
}

}  // namespace corvo::sim
