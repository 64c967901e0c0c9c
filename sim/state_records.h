// The lines of the state file: words separated by one space, then " ~" and
// the CRC-32 of the words as eight lower-case hex digits, then a newline.
// A damaged line (a flipped bit, a torn write) fails its check.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvo::sim {

// Appends one line, word by word; end() adds the check and the newline.
class RecordWriter {
public:
    explicit RecordWriter(std::string& out, std::string_view kind);
    RecordWriter& number(uint64_t value);
    // Bytes as hexadecimal, or "-" for none.
    RecordWriter& hex(const std::vector<uint8_t>& bytes);
    void end();

private:
    std::string& out_;
    std::size_t start_;
};

// One line read back: its check verified, its words split.
class Record {
public:
    // False, with the reason, when the line is malformed or fails its check.
    bool parse(std::string_view line, std::string& why);
    std::size_t size() const { return words_.size(); }
    std::string_view word(std::size_t i) const { return words_[i]; }
    // Word i as a decimal number in [low, high]; `name` says which field in the reason.
    bool number(std::size_t i, const char* name, uint64_t low, uint64_t high, uint64_t& out, std::string& why) const;
    // Word i as at most `max` bytes of hexadecimal ("-": none).
    bool bytes(std::size_t i, std::size_t max, std::vector<uint8_t>& out, std::string& why) const;

private:
    std::vector<std::string_view> words_;
};

}  // namespace corvo::sim
