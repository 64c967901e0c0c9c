// Expected display images for the tests of this family, written out from
// literal texts.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace displayexpect {

// `text` then spaces up to `width` bytes.
inline std::vector<uint8_t> padded(const std::string& text, size_t width = 32) {
    std::vector<uint8_t> out(width, ' ');
    std::copy_n(text.begin(), std::min(text.size(), width), out.begin());
    return out;
}

// A second-line message: 0xFE, fifteen spaces, then `text` padded to 16.
inline std::vector<uint8_t> second_line(const std::string& text, uint8_t control = 0xFE) {
    std::vector<uint8_t> out(32, ' ');
    out[0] = control;
    std::copy_n(text.begin(), std::min<size_t>(text.size(), 16), out.begin() + 16);
    return out;
}

inline std::vector<uint8_t> slice(const std::vector<uint8_t>& v, size_t offset, size_t n) {
    return std::vector<uint8_t>(v.begin() + static_cast<long>(offset), v.begin() + static_cast<long>(offset + n));
}

}  // namespace displayexpect
