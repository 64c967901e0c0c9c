// The fingerprint module: 17-byte requests (command 120) answered later with
// 17-byte answers (status 1 = success), paged user lists, user records,
// templates, settings and the lists of users without fingerprint.
//
// Choices of this module (the library passes these through): list records
// of sub-command 10 are 16 bytes (the identifier right-aligned with '0'),
// those of sub-command 11 are 11 bytes (the identifier in the pair code, as
// in the fingerprint record); the 844-byte user record carries its
// identifier in bytes 0..15; statuses: 4 unknown user, 5 no match, 0 unknown
// sub-command.
#include <algorithm>
#include <ctime>

#include "sim/bank.h"
#include "sim/events.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;
using Answer = std::array<uint8_t, 17>;

constexpr uint8_t kOk = 1, kUnknownUser = 4, kNoMatch = 5, kUnknownSub = 0;

Answer status(uint8_t s) {
    Answer a{};
    a[0] = s;
    return a;
}

// The identifier of a request field: the characters up to the first zero
// byte, without leading '0's.
std::string field_id(const uint8_t* p, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n && p[i] != 0; ++i) s += static_cast<char>(p[i]);
    return strip_zeros(s);
}

Bytes synth_template(const std::string& id, unsigned finger) {
    Bytes t(404);
    uint32_t h = 2166136261u ^ finger;
    for (char c : id) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
    for (std::size_t i = 0; i < t.size(); ++i) {
        h = h * 1103515245u + 12345u;
        t[i] = static_cast<uint8_t>(h >> 16);
    }
    t[0] = 0x54;  // never all zero in its first bytes
    return t;
}

std::map<std::string, BioUser>::iterator find_user(BioModule& m, const std::string& id) {
    auto it = m.users.find(id);
    if (it == m.users.end() && id.size() > 1) {  // a left-aligned identifier, '0's after it
        const auto end = id.find_last_not_of('0');
        if (end != std::string::npos) it = m.users.find(id.substr(0, end + 1));
    }
    return it;
}

void put_clock_bcd(uint8_t* p, const Terminal& t) {
    const ClockTime c = terminal_clock(t);
    p[0] = to_bcd(static_cast<unsigned>(c.year / 100));
    p[1] = to_bcd(static_cast<unsigned>(c.year % 100));
    p[2] = to_bcd(static_cast<unsigned>(c.month));
    p[3] = to_bcd(static_cast<unsigned>(c.day));
    p[4] = to_bcd(static_cast<unsigned>(c.hour));
    p[5] = to_bcd(static_cast<unsigned>(c.minute));
    p[6] = to_bcd(static_cast<unsigned>(c.second));
    p[7] = 0;
}

Bytes fingerprint_record(const Terminal& t, const std::string& id, const BioUser& u) {
    const bool two = u.templates.size() >= 2;
    Bytes r(two ? 876 : 472, 0);
    r[0] = 0xC3;
    put_pair_code(&r[5], id);
    r[32] = 0xFC;
    r[33] = 0x08;
    put_clock_bcd(&r[40], t);
    r[48] = 0x01;
    r[49] = 0x94;
    if (two) {
        r[50] = 0x01;
        r[51] = 0x94;
    }
    for (std::size_t k = 0; k < (two ? 2u : 1u) && k < u.templates.size(); ++k)
        std::copy(u.templates[k].begin(), u.templates[k].end(), r.begin() + 68 + static_cast<std::ptrdiff_t>(404 * k));
    return r;
}

// One page of a user list: answer bytes 1..4 and the package for 222.
Answer list_page(BioModule& m, uint8_t page, bool with_fingerprint) {
    std::vector<std::string> ids;
    for (const auto& [id, u] : m.users)
        if (!with_fingerprint || !u.templates.empty()) ids.push_back(id);
    const std::size_t record = with_fingerprint ? 11 : 16;
    const std::size_t per_page = static_cast<std::size_t>(std::max(1, m.page_size));
    Answer a = status(kOk);
    a[1] = page;
    if (ids.empty()) {  // an empty list: no package
        m.package.clear();
        m.package_ready = false;
        return a;
    }
    const std::size_t pages = (ids.size() + per_page - 1) / per_page;
    a[2] = static_cast<uint8_t>(pages - 1);
    const std::size_t first = std::size_t{page} * per_page;
    const std::size_t count = first >= ids.size() ? 0 : std::min(per_page, ids.size() - first);
    Bytes p(4 + count * record, 0);
    put_u16_be(&p[0], static_cast<uint16_t>(count));
    put_u16_be(&p[2], static_cast<uint16_t>(record));
    for (std::size_t i = 0; i < count; ++i) {
        uint8_t* rec = &p[4 + i * record];
        const std::string& id = ids[first + i];
        if (with_fingerprint) {
            put_pair_code(rec, id);
        } else {
            const std::string text = zero_padded(id, 16);
            std::copy(text.begin(), text.end(), rec);
        }
    }
    put_u16_be(&a[3], static_cast<uint16_t>(p.size()));
    m.package = std::move(p);
    m.package_ready = true;
    return a;
}

Reply request(Terminal& t, TerminalBank&, const Request& r) {
    BioModule& m = t.bio;
    const uint8_t* p = r.payload.data();
    const uint8_t sub = p[0];
    Answer a = status(kUnknownSub);
    uint8_t answered = sub;
    switch (sub) {
        case 1:
            a = status(kOk);
            a[1] = m.model;
            break;
        case 2:
            a = status(kOk);
            a[1] = m.major;
            a[2] = m.minor;
            break;
        case 3:
            a = status(kOk);
            put_u16_be(&a[1], static_cast<uint16_t>(m.users.size()));
            break;
        case 10:
        case 11:
            a = list_page(m, p[1], sub == 11);
            break;
        case 20: {
            auto it = find_user(m, field_id(p + 1, 16));
            if (it == m.users.end()) {
                a = status(kUnknownUser);
                break;
            }
            m.user_record_answer = it->second.record;
            if (m.user_record_answer.empty()) {
                m.user_record_answer.assign(844, 0);
                const std::string text = zero_padded(it->first, 16);
                std::copy(text.begin(), text.end(), m.user_record_answer.begin());
            }
            m.fingerprint_answer = fingerprint_record(t, it->first, it->second);
            a = status(kOk);
            put_u16_be(&a[1], static_cast<uint16_t>(m.fingerprint_answer.size()));
            break;
        }
        case 21: {
            auto it = find_user(m, field_id(p + 1, 16));
            a = status(it == m.users.end() ? kUnknownUser : kOk);
            if (it != m.users.end()) m.users.erase(it);
            break;
        }
        case 23: {
            // Option byte then the identifier, or (16 characters) the identifier alone.
            const std::string id = p[1] <= 2 ? field_id(p + 2, 15) : field_id(p + 1, 16);
            BioUser& u = m.users[id];
            u.templates = {synth_template(id, 0)};
            a = status(kOk);
            answered = 0;
            break;
        }
        case 30: {
            auto it = find_user(m, field_id(p + 1, 16));
            a = status(it != m.users.end() && !it->second.templates.empty() ? kOk : kNoMatch);
            break;
        }
        case 31: {
            auto it = m.finger.empty() ? m.users.end() : m.users.find(m.finger);
            if (it == m.users.end())
                it = std::find_if(m.users.begin(), m.users.end(), [](const auto& u) { return !u.second.templates.empty(); });
            if (it == m.users.end()) {
                a = status(kNoMatch);
                break;
            }
            a = status(kOk);
            const std::string text = zero_padded(it->first, 16);
            std::copy(text.begin(), text.end(), a.begin() + 1);
            break;
        }
        case 33:
            m.captured_template = synth_template(m.finger.empty() ? std::string("reader") : m.finger, 7);
            a = status(kOk);
            break;
        case 60:
            m.options = {p[1], p[2]};
            a = status(kOk);
            break;
        default:
            break;
    }
    bio_answer(t, answered, a);
    return Reply::accepted();
}

// 844-byte user record (command 121): bytes 0..15 name the user.
Reply user_record(Terminal& t, TerminalBank&, const Request& r) {
    const std::string id = field_id(r.payload.data(), 16);
    BioUser& u = t.bio.users[id];
    u.record = r.payload;
    bio_answer(t, 0, status(kOk));
    return Reply::accepted();
}

Reply compare(Terminal& t, TerminalBank&, const Request& r) {
    bool found = false;
    for (const auto& [id, u] : t.bio.users)
        for (const Bytes& tpl : u.templates) found = found || tpl == r.payload;
    bio_answer(t, 0, status(found ? kOk : kNoMatch));
    return Reply::accepted();
}

Reply settings(Terminal& t, TerminalBank&, const Request& r) {
    t.bio.settings = r.payload;
    return Reply::accepted();
}

// Users without fingerprint: 250 entries of 5 BCD bytes (124), 500 entries
// (129, 2,502 bytes), or 8-byte packed entries after a 2-byte header (129).
Reply no_fingerprint_250(Terminal& t, TerminalBank&, const Request& r) {
    const std::size_t count = std::min<std::size_t>(r.payload[0], 250);
    t.bio.no_fingerprint.clear();
    for (std::size_t i = 0; i < count; ++i) t.bio.no_fingerprint.push_back(strip_zeros(bcd_digits(&r.payload[1 + 5 * i], 5)));
    t.bio.no_fingerprint_form = "250";
    return Reply::accepted();
}

Reply no_fingerprint_129(Terminal& t, TerminalBank&, const Request& r) {
    const auto& p = r.payload;
    t.bio.no_fingerprint.clear();
    if (p.size() == 2502) {
        const std::size_t count = std::min<std::size_t>(p[0] + (p[1] != 0 ? 256u : 0u), 500);
        for (std::size_t i = 0; i < count; ++i) t.bio.no_fingerprint.push_back(strip_zeros(bcd_digits(&p[2 + 5 * i], 5)));
        t.bio.no_fingerprint_form = "500";
        return Reply::accepted();
    }
    if (p.size() < 2 || (p.size() - 2) % 8 != 0) return Reply::refused(link::Status::BadLength);
    const std::size_t count = (p.size() - 2) / 8;
    if (count > 8000) return Reply::refused(link::Status::BadLength);
    for (std::size_t i = 0; i < count; ++i) t.bio.no_fingerprint.push_back(strip_zeros(bcd_digits(&p[2 + 8 * i], 8)));
    t.bio.no_fingerprint_form = (p[0] == 0xFA && p[1] == 0x02) ? "8000" : "8000-length";
    return Reply::accepted();
}

// A fingerprint record (command 131): one or two templates for a user.
Reply fingerprint(Terminal& t, TerminalBank&, const Request& r) {
    const auto& p = r.payload;
    if (p.size() != 472 && p.size() != 876) return Reply::refused(link::Status::BadLength);
    const std::string id = strip_zeros(pair_code_digits(&p[5], 8));
    BioUser& u = t.bio.users[id];
    u.templates.clear();
    u.templates.emplace_back(p.begin() + 68, p.begin() + 472);
    if (p.size() == 876) u.templates.emplace_back(p.begin() + 472, p.end());
    return Reply::accepted();
}

Reply next_answer(Terminal& t, TerminalBank&, const Request&) {
    if (t.bio.answers.empty()) return Reply::refused(link::Status::NothingToGive);
    t.handed = Terminal::Handed::BioAnswer;
    return Reply::answer(Bytes(t.bio.answers.front().begin(), t.bio.answers.front().end()), true);
}

Reply prepared(const Bytes& b, const Request& r) {
    if (b.empty()) return Reply::refused(link::Status::NothingToGive);
    if (b.size() != r.expected_length) return Reply::refused(link::Status::BadLength);
    return Reply::answer(b);
}
Reply user_record_answer(Terminal& t, TerminalBank&, const Request& r) { return prepared(t.bio.user_record_answer, r); }
Reply fingerprint_answer(Terminal& t, TerminalBank&, const Request& r) { return prepared(t.bio.fingerprint_answer, r); }
Reply template_answer(Terminal& t, TerminalBank&, const Request& r) { return prepared(t.bio.captured_template, r); }
Reply package(Terminal& t, TerminalBank&, const Request& r) {
    if (!t.bio.package_ready) return Reply::refused(link::Status::NothingToGive);
    return prepared(t.bio.package, r);
}
}  // namespace

void add_bio_commands(CommandTable& table) {
    table.on_send(120, 17, request);
    table.on_send(121, 844, user_record);
    table.on_send(123, 404, compare);
    table.on_send(133, 16, settings);
    table.on_send(124, 1251, no_fingerprint_250);
    table.on_send(129, -1, no_fingerprint_129);
    table.on_send(131, -1, fingerprint);
    table.on_receive(220, 17, next_answer);
    table.on_receive(221, 844, user_record_answer);
    table.on_receive(222, -1, package);
    table.on_receive(223, 404, template_answer);
    table.on_receive(231, -1, fingerprint_answer);
}

}  // namespace corvo::sim
