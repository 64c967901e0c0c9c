#include "sim/state_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <deque>
#include <map>

#include "sim/punches.h"
#include "sim/state_records.h"

namespace corvo::sim {

namespace {
constexpr std::size_t kReadChunk = std::size_t{1} << 20;
constexpr std::size_t kMaxAnswerBytes = link::kHeaderSize + link::kMaxPayload + link::kTrailerSize;
constexpr std::size_t kMaxLineBytes = 2 * kMaxAnswerBytes + 256;  // a memory line and its other words
constexpr uint64_t kMaxU16 = 0xFFFF, kMaxU32 = 0xFFFFFFFF, kMaxU64 = UINT64_MAX;
constexpr uint64_t kMaxCard = 9999999999999999ull;  // 16 decimal digits
constexpr uint64_t kLastHanded = static_cast<uint64_t>(Terminal::Handed::BioAnswer);
constexpr uint64_t kLastPunchType = 1;  // entry 0, exit 1
constexpr const char* kFormat1 = "corvo-sim-state 1";

// A regular file read line by line, a chunk at a time.
class LineSource {
public:
    enum class Got { Line, End, Torn, Failed };
    ~LineSource() {
        if (fd_ >= 0) close(fd_);
    }
    bool open(const std::string& path, const StateLimits& limits, std::string& error);
    // The next line, without its newline; Torn: the last one has none.
    Got next(std::string_view& line, std::string& error);
    std::size_t number() const { return number_; }

private:
    bool fill(std::string& error);
    int fd_ = -1;
    const StateLimits* limits_ = nullptr;
    std::string buf_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
    std::size_t chunk_ = kReadChunk;  // smaller for a small file
    bool eof_ = false;
};

bool LineSource::open(const std::string& path, const StateLimits& limits, std::string& error) {
    limits_ = &limits;
    // Non-blocking, so that a FIFO cannot hold the start-up; it is refused below.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0) {
        error = "cannot read: " + std::string(std::strerror(errno));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = "not a regular file";
        return false;
    }
    if (static_cast<uint64_t>(st.st_size) > limits.max_bytes) {
        error = "larger than " + std::to_string(limits.max_bytes) + " bytes";
        return false;
    }
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL, 0) & ~O_NONBLOCK);
    chunk_ = static_cast<std::size_t>(std::min<uint64_t>(kReadChunk, static_cast<uint64_t>(st.st_size) + 1));
    return true;
}

bool LineSource::fill(std::string& error) {
    buf_.erase(0, pos_);
    pos_ = 0;
    if (buf_.size() > kMaxLineBytes) {
        error = "a line longer than " + std::to_string(kMaxLineBytes) + " bytes";
        return false;
    }
    const std::size_t had = buf_.size();
    buf_.resize(had + chunk_);
    ssize_t n;
    do n = ::read(fd_, buf_.data() + had, chunk_);
    while (n < 0 && errno == EINTR && !(limits_->interrupted && *limits_->interrupted));
    buf_.resize(had + (n > 0 ? static_cast<std::size_t>(n) : 0));
    if (limits_->interrupted && *limits_->interrupted) {
        error = "loading interrupted by a signal";
        return false;
    }
    if (n < 0) error = "cannot read: " + std::string(std::strerror(errno));
    eof_ = n == 0;
    return n >= 0;
}

LineSource::Got LineSource::next(std::string_view& line, std::string& error) {
    for (;;) {
        const std::size_t newline = buf_.find('\n', pos_);
        if (newline != std::string::npos) {
            line = std::string_view(buf_).substr(pos_, newline - pos_);
            pos_ = newline + 1;
            ++number_;
            return Got::Line;
        }
        if (eof_) {
            if (pos_ == buf_.size()) return Got::End;
            ++number_;
            return Got::Torn;
        }
        if (!fill(error)) return Got::Failed;
    }
}

struct StagedTerminal {
    uint16_t next_id = 1;
    uint64_t delivered = 0;
    Terminal::Handed handed = Terminal::Handed::Nothing;
    uint32_t session = 0;
    uint16_t seq = 0;
    std::deque<Punch> punches;
};

// What the file says, kept apart until all of it is read.
struct Staged {
    const StateLimits& limits;
    std::map<uint32_t, StagedTerminal> terminals;
    std::map<uint32_t, link::Endpoint::Memory> memories;
    bool journal = false;  // past the snapshot: lines are changes
    std::size_t punches = 0;
};

bool terminal_number(const Record& r, uint32_t& n, std::string& why) {
    uint64_t v = 0;
    if (!r.number(1, "terminal", 0, kMaxU32, v, why)) return false;
    n = static_cast<uint32_t>(v);
    return true;
}

StagedTerminal* known(Staged& s, const Record& r, std::string& why) {
    uint32_t n = 0;
    if (!terminal_number(r, n, why)) return nullptr;
    const auto it = s.terminals.find(n);
    if (it != s.terminals.end()) return &it->second;
    why = "terminal " + std::to_string(n) + " has no terminal line before";
    return nullptr;
}

// terminal N NEXT_ID DELIVERED HANDED SESSION SEQ
bool on_terminal(Staged& s, const Record& r, std::string& why) {
    uint32_t n = 0;
    uint64_t next = 0, delivered = 0, handed = 0, session = 0, seq = 0;
    if (!terminal_number(r, n, why) || !r.number(2, "next identifier", 1, kMaxU16, next, why) ||
        !r.number(3, "delivered count", 0, kMaxU64, delivered, why) ||
        !r.number(4, "handed", 0, kLastHanded, handed, why) || !r.number(5, "session", 0, kMaxU32, session, why) ||
        !r.number(6, "sequence", 0, kMaxU16, seq, why))
        return false;
    const bool fresh = s.terminals.count(n) == 0;
    if (!fresh && !s.journal) return why = "terminal " + std::to_string(n) + " twice in the snapshot", false;
    if (fresh && s.terminals.size() >= s.limits.max_terminals)
        return why = "more than " + std::to_string(s.limits.max_terminals) + " terminals (--max-terminals)", false;
    StagedTerminal& t = s.terminals[n];
    t.next_id = static_cast<uint16_t>(next);
    t.delivered = delivered;
    t.handed = static_cast<Terminal::Handed>(handed);
    t.session = static_cast<uint32_t>(session);
    t.seq = static_cast<uint16_t>(seq);
    return true;
}

// punch N TYPE DAY MONTH YEAR HOUR MINUTE CARD ID
bool on_punch(Staged& s, const Record& r, std::string& why) {
    struct Field {
        const char* name;
        uint64_t low, high;
    };
    static constexpr Field kFields[] = {{"type", 0, kLastPunchType}, {"day", 1, 31},   {"month", 1, 12},
                                        {"year", 0, 99},             {"hour", 0, 23},  {"minute", 0, 59},
                                        {"card", 0, kMaxCard},       {"identifier", 1, kMaxU16}};
    uint64_t v[std::size(kFields)];
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        if (!r.number(i + 2, kFields[i].name, kFields[i].low, kFields[i].high, v[i], why)) return false;
    StagedTerminal* t = known(s, r, why);
    if (t == nullptr) return false;
    if (s.punches == kMaxStoredPunches)
        return why = "more than " + std::to_string(kMaxStoredPunches) + " punches", false;
    Punch p;
    uint8_t* bytes[] = {&p.type, &p.day, &p.month, &p.year, &p.hour, &p.minute};
    for (std::size_t i = 0; i < std::size(bytes); ++i) *bytes[i] = static_cast<uint8_t>(v[i]);
    p.card = v[6];
    p.id = static_cast<uint16_t>(v[7]);
    t->punches.push_back(p);
    ++s.punches;
    return true;
}

// delivered N COUNT: the oldest COUNT punches left the terminal.
bool on_delivered(Staged& s, const Record& r, std::string& why) {
    StagedTerminal* t = known(s, r, why);
    uint64_t count = 0;
    if (t == nullptr || !r.number(2, "delivered punches", 1, t->punches.size(), count, why)) return false;
    t->punches.erase(t->punches.begin(), t->punches.begin() + static_cast<std::ptrdiff_t>(count));
    s.punches -= count;
    return true;
}

// forget N: the terminal was forgotten (control command reset).
bool on_forget(Staged& s, const Record& r, std::string& why) {
    StagedTerminal* t = known(s, r, why);
    if (t == nullptr) return false;
    s.punches -= t->punches.size();
    uint32_t n = 0;
    terminal_number(r, n, why);
    s.terminals.erase(n);
    return true;
}

// memory N SESSION LAST_SEQ HAS_LAST FINGERPRINT PENDING_SEQ ANSWER
bool on_memory(Staged& s, const Record& r, std::string& why) {
    uint32_t n = 0;
    uint64_t session = 0, seq = 0, has_last = 0, fingerprint = 0, pending = 0;
    link::Endpoint::Memory m;
    if (!terminal_number(r, n, why) || !r.number(2, "session", 0, kMaxU32, session, why) ||
        !r.number(3, "sequence", 0, kMaxU16, seq, why) || !r.number(4, "has answer", 0, 1, has_last, why) ||
        !r.number(5, "fingerprint", 0, kMaxU32, fingerprint, why) ||
        !r.number(6, "pending sequence", 0, kMaxU16, pending, why) || !r.bytes(7, kMaxAnswerBytes, m.last_answer, why))
        return false;
    const bool fresh = s.memories.count(n) == 0;
    if (!fresh && !s.journal) return why = "memory of terminal " + std::to_string(n) + " twice in the snapshot", false;
    if (fresh && s.memories.size() >= s.limits.max_terminals)
        return why = "more than " + std::to_string(s.limits.max_terminals) + " terminals (--max-terminals)", false;
    m.session = static_cast<uint32_t>(session);
    m.last_seq = static_cast<uint16_t>(seq);
    m.has_last = has_last != 0;
    m.fingerprint = static_cast<uint32_t>(fingerprint);
    m.pending_seq = static_cast<uint16_t>(pending);
    s.memories[n] = std::move(m);
    return true;
}

bool on_journal(Staged& s, const Record&, std::string& why) {
    if (s.journal) return why = "a second journal line", false;
    s.journal = true;
    return true;
}

struct RecordKind {
    std::string_view word;
    std::size_t words;
    bool (*fn)(Staged& s, const Record& r, std::string& why);
    bool journal_only;
};

constexpr RecordKind kKinds[] = {
    {"terminal", 7, on_terminal, false}, {"punch", 10, on_punch, false},    {"memory", 8, on_memory, false},
    {"journal", 1, on_journal, false},   {"delivered", 3, on_delivered, true}, {"forget", 2, on_forget, true},
};

bool on_line(Staged& s, std::string_view line, Record& r, std::string& why) {
    if (!r.parse(line, why)) return false;
    for (const RecordKind& k : kKinds) {
        if (r.word(0) != k.word) continue;
        if (r.size() != k.words) return why = std::string(k.word) + " line with the wrong number of words", false;
        if (k.journal_only && !s.journal) return why = std::string(k.word) + " line in the snapshot", false;
        return k.fn(s, r, why);
    }
    why = "unknown line '" + std::string(r.word(0)) + "'";
    return false;
}

bool on_version(std::string_view line, std::string& why) {
    if (line == kFormat1)
        return why = "format 1 (an older corvo-sim) is no longer read; remove the file to start afresh", false;
    Record r;
    uint64_t format = 0;
    if (!r.parse(line, why) || r.size() != 2 || r.word(0) != kStateMagic)
        return why = "not a corvo-sim state file", false;
    if (!r.number(1, "format", kStateFormat, kStateFormat, format, why))
        return why = "format " + std::string(r.word(1)) + " is not read (this corvo-sim reads format 2)", false;
    return true;
}

// Reads every line into `s`; false with the reason (and its line number in `at`).
bool read_lines(LineSource& in, Staged& s, std::string& why) {
    Record r;
    std::string_view line;
    for (;;) {
        const LineSource::Got got = in.next(line, why);
        if (got == LineSource::Got::Failed) return false;
        if (got == LineSource::Got::End) break;
        if (got == LineSource::Got::Torn && s.journal) return true;  // a write torn by a kill: never acknowledged
        if (got == LineSource::Got::Torn) return why = "cut short", false;
        const bool ok = in.number() == 1 ? on_version(line, why) : on_line(s, line, r, why);
        if (!ok) return false;
    }
    if (!s.journal) return why = "cut short (no journal line)", false;
    return true;
}

void apply(Staged& s, TerminalBank& bank, link::Endpoint& endpoint) {
    for (auto& [number, saved] : s.terminals) {
        Terminal& t = bank.terminal(number);
        t.punches = std::move(saved.punches);
        t.next_punch_id = saved.next_id;
        t.punches_delivered = saved.delivered;
        t.handed = saved.handed;
        t.last_session = saved.session;
        t.last_seq = saved.seq;
    }
    for (auto& [number, m] : s.memories) endpoint.restore(number, std::move(m));
}
}  // namespace

bool load_state(const std::string& path, TerminalBank& bank, link::Endpoint& endpoint, const StateLimits& limits,
                std::string& error) {
    LineSource in;
    Staged s{limits, {}, {}, false, 0};
    std::string why;
    if (!in.open(path, limits, why)) {
        error = path + ": " + why;
        return false;
    }
    if (!read_lines(in, s, why)) {
        error = path + ":" + std::to_string(in.number()) + ": " + why;
        return false;
    }
    apply(s, bank, endpoint);
    return true;
}

}  // namespace corvo::sim
