// Reads a modem's result codes out of the bytes it sends: numeric codes
// ("7\r", after ATV0) and the verbal ones ("\r\nBUSY\r\n", the factory
// setting) alike. Echoed commands and other lines are skipped.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace corvo::serial {

class ModemReplyDecoder {
public:
    // Takes one byte; the result code when it completed one, else -1.
    int feed(uint8_t byte);
    void clear() { line_.clear(); }

    // The numeric code of one line ("7", "BUSY", "CONNECT 2400"), -1 when
    // the line is no result code.
    static int code_of(const std::string& line);

private:
    static constexpr std::size_t kLongestLine = 80;
    std::string line_;
    bool overlong_ = false;
};

}  // namespace corvo::serial
