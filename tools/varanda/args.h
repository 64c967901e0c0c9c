// The command line: global options (also from VARANDA_TYPE, VARANDA_PORT,
// VARANDA_TERMINALS), the command words and each command's own options.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vtool {

struct Options {
    // Global.
    uint8_t type = 1;  // connection type: tcp
    std::optional<int32_t> port;
    std::vector<int32_t> terminals{1};
    bool json = false;
    bool verbose = false;
    bool help = false;
    std::string modem_init = "ATZ";
    std::string dial;
    bool pulse = false;
    unsigned parallel = 0;              // terminals at once; 0: all of them (up to 1,000)
    std::optional<long> timeout_ms;     // an exchange's time-out
    std::optional<long> retries;        // an exchange's further attempts
    bool old_model = false;             // terminals that refuse the current forms
    // Per command.
    std::string out;
    std::optional<long> max;
    std::optional<uint8_t> card_digits;
    std::optional<uint8_t> card_pattern;
    std::string grant = "none";
    std::string allow;
    std::optional<uint8_t> seconds;
    bool reconfigure = false;  // access-list push may change the terminal's card settings

    std::vector<std::string> words;  // the command and its arguments
    std::set<std::string> given;     // the command options met, by name
};

struct Parsed {
    Options options;
    std::string error;  // a usage error, "" when none
};

using Getenv = std::function<const char*(const char*)>;

// Parses everything after the program name. Options may stand before or after
// the command words; "--" ends the options.
Parsed parse_arguments(const std::vector<std::string>& args, const Getenv& getenv);

// Checks that every command option met belongs to the command; "" when so.
std::string check_command_options(const Options& o, const std::string& command);

// --type serial-com: the serial component names no terminal in its calls; its
// frames go to terminal 1 or CORVO_SERIAL_COM_TERMINAL, which the tool sets
// to the one terminal given. "" when there is one, not contradicted.
std::string check_serial_com(const Options& o, const Getenv& getenv);

// "1", "1,3,5-8": ascending or as written, no repeats; error text on failure.
std::optional<std::vector<int32_t>> parse_terminal_list(const std::string& text, std::string& error);

// A whole decimal number within [lo, hi], nothing else around it.
std::optional<long long> parse_number(const std::string& text, long long lo, long long hi);

}  // namespace vtool
