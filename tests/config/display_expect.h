// Expected display images for the tests of this family, written out from
// literal texts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace displayexpect {

// `text` then spaces up to `width` bytes.
inline std::vector<uint8_t> padded(const std::string& text, size_t width = 32) {
    std::vector<uint8_t> out(text.begin(), text.end());
    out.resize(width, ' ');
    return out;
}

// A second-line message: 0xFE, fifteen spaces, then `text` padded to 16.
inline std::vector<uint8_t> second_line(const std::string& text, uint8_t control = 0xFE) {
    std::vector<uint8_t> out = padded(std::string(1, static_cast<char>(control)), 16);
    std::vector<uint8_t> line = padded(text, 16);
    out.insert(out.end(), line.begin(), line.end());
    return out;
}

inline std::vector<uint8_t> slice(const std::vector<uint8_t>& v, size_t offset, size_t n) {
    return std::vector<uint8_t>(v.begin() + static_cast<long>(offset), v.begin() + static_cast<long>(offset + n));
}

}  // namespace displayexpect
