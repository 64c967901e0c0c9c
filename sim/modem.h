// The modem at the terminal's end of the serial line: in command mode it
// takes AT commands (E, V, Q, Z, &F, H, O, D and settings that are only
// acknowledged) and answers with result codes, numeric after ATV0 and verbal
// otherwise; a dial (ATD, ATDT, ATDP) ends with the verdict chosen for the
// line: CONNECT (1) switches to data mode, where every byte belongs to the
// link; BUSY (7), NO CARRIER (3) or NO DIALTONE (6) stay in command mode.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvo::sim {

class Modem {
public:
    enum class Verdict { Connect = 1, NoCarrier = 3, NoDialTone = 6, Busy = 7 };
    // "connect", "busy", "no-carrier", "no-dialtone"; false for other words.
    static bool parse_verdict(const std::string& word, Verdict& out);
    static const char* name(Verdict v);

    // Back to command mode with the factory settings; the verdict stays.
    void reset();
    void set_verdict(Verdict v) { verdict_ = v; }
    Verdict verdict() const { return verdict_; }
    bool data_mode() const { return data_mode_; }

    // Takes bytes from the host. Bytes for the link (in data mode) go to
    // `data`; what the modem sends back (echo, result codes) to `reply`.
    void feed(const uint8_t* bytes, std::size_t size, std::vector<uint8_t>& reply, std::vector<uint8_t>& data);

    // What was dialed last ("" none), 'T' tone or 'P' pulse, and how many
    // command lines were taken.
    const std::string& dialed() const { return dialed_; }
    char method() const { return method_; }
    int command_lines() const { return lines_; }
    std::string json() const;

    struct AtCursor;

private:
    void run_line(const std::string& line, std::vector<uint8_t>& reply);
    // The AT commands: each reads its arguments; kGoOn, or the result that ends the line.
    int at_echo(AtCursor& at);
    int at_verbose(AtCursor& at);
    int at_quiet(AtCursor& at);
    int at_ignored(AtCursor& at);
    int at_reset(AtCursor& at);
    int at_hang_up(AtCursor& at);
    int at_online(AtCursor& at);
    int at_dial(AtCursor& at);
    int at_ampersand(AtCursor& at);
    int at_register(AtCursor& at);
    void result(int code, std::vector<uint8_t>& reply) const;

    Verdict verdict_ = Verdict::Connect;
    bool data_mode_ = false;
    bool echo_ = true;
    bool verbose_ = true;
    bool quiet_ = false;
    bool connected_ = false;  // a call is up (ATO returns to it)
    std::string line_;
    std::string dialed_;
    char method_ = 'T';
    int lines_ = 0;
};

}  // namespace corvo::sim
