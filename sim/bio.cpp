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
using Answer = std::array<uint8_t, kBioMessageSize>;

constexpr uint8_t kOk = 1, kUnknownUser = 4, kNoMatch = 5, kUnknownSub = 0;
constexpr uint8_t kNoRoom = 2;  // enrolment with the module full (the host reads a failure)

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

// The identifier right-aligned with '0' in its 16 bytes.
void put_padded_id(uint8_t* p, const std::string& id) {
    const std::string text = zero_padded(id, kBioIdSize);
    std::copy(text.begin(), text.end(), p);
}

Bytes synth_template(const std::string& id, unsigned finger) {
    Bytes t(kBioTemplateSize);
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
    for (const int v : {c.year / 100, c.year % 100, c.month, c.day, c.hour, c.minute, c.second}) *p++ = packed_bcd(v);
    *p = 0;
}

Bytes fingerprint_record(const Terminal& t, const std::string& id, const BioUser& u) {
    const bool two = u.templates.size() >= 2;
    Bytes r(two ? kBioFingerprintTwo : kBioFingerprintOne, 0);
    r[0] = 0xC3;
    put_pair_code(&r[kFingerprintPairCode], id);
    r[32] = 0xFC;
    r[33] = 0x08;
    put_clock_bcd(&r[kFingerprintTime], t);
    for (std::size_t k = 0; k < (two ? 2u : 1u); ++k) {
        put_u16_be(&r[kFingerprintLengths + 2 * k], static_cast<uint16_t>(kBioTemplateSize));
        if (k < u.templates.size())
            std::copy(u.templates[k].begin(), u.templates[k].end(), &r[kFingerprintTemplates + kBioTemplateSize * k]);
    }
    return r;
}

// One page of a user list: answer bytes 1..4 and the package for 222.
Answer list_page(BioModule& m, uint8_t page, bool with_fingerprint) {
    std::vector<std::string> ids;
    for (const auto& [id, u] : m.users)
        if (!with_fingerprint || !u.templates.empty()) ids.push_back(id);
    const std::size_t record = with_fingerprint ? kListPairRecord : kBioIdSize;
    const std::size_t per_page = static_cast<std::size_t>(std::max(1, m.page_size));
    Answer a = status(kOk);
    a[1] = page;
    m.package.clear();
    m.package_ready = !ids.empty();
    if (ids.empty()) return a;  // an empty list: no package
    const std::size_t pages = (ids.size() + per_page - 1) / per_page;
    a[2] = static_cast<uint8_t>(pages - 1);
    const std::size_t first = std::size_t{page} * per_page;
    const std::size_t count = first >= ids.size() ? 0 : std::min(per_page, ids.size() - first);
    m.package.assign(kListHeader + count * record, 0);
    put_u16_be(&m.package[0], static_cast<uint16_t>(count));
    put_u16_be(&m.package[2], static_cast<uint16_t>(record));
    for (std::size_t i = 0; i < count; ++i) {
        uint8_t* rec = &m.package[kListHeader + i * record];
        if (with_fingerprint)
            put_pair_code(rec, ids[first + i]);
        else
            put_padded_id(rec, ids[first + i]);
    }
    put_u16_be(&a[3], static_cast<uint16_t>(m.package.size()));
    return a;
}

// The sub-commands of a request: each answers from the request's bytes
// (byte 0 the sub-command).
Answer success(std::initializer_list<uint8_t> bytes) {
    Answer a = status(kOk);
    std::copy(bytes.begin(), bytes.end(), a.begin() + 1);
    return a;
}

Answer model(Terminal& t, const uint8_t*) { return success({t.bio.model}); }
Answer version(Terminal& t, const uint8_t*) { return success({t.bio.major, t.bio.minor}); }

Answer user_count(Terminal& t, const uint8_t*) {
    Answer a = status(kOk);
    put_u16_be(&a[1], static_cast<uint16_t>(t.bio.users.size()));
    return a;
}

Answer user_list(Terminal& t, const uint8_t* p) { return list_page(t.bio, p[1], false); }
Answer fingerprint_list(Terminal& t, const uint8_t* p) { return list_page(t.bio, p[1], true); }

Answer user_query(Terminal& t, const uint8_t* p) {
    BioModule& m = t.bio;
    auto it = find_user(m, field_id(p + 1, kBioIdSize));
    if (it == m.users.end()) return status(kUnknownUser);
    m.user_record_answer = it->second.record;
    if (m.user_record_answer.empty()) {
        m.user_record_answer.assign(kBioUserRecordSize, 0);
        put_padded_id(m.user_record_answer.data(), it->first);
    }
    m.fingerprint_answer = fingerprint_record(t, it->first, it->second);
    Answer a = status(kOk);
    put_u16_be(&a[1], static_cast<uint16_t>(m.fingerprint_answer.size()));
    return a;
}

Answer user_delete(Terminal& t, const uint8_t* p) {
    auto it = find_user(t.bio, field_id(p + 1, kBioIdSize));
    if (it == t.bio.users.end()) return status(kUnknownUser);
    t.bio.users.erase(it);
    return status(kOk);
}

// Option byte then the identifier, or (16 characters) the identifier alone.
Answer enrol(Terminal& t, const uint8_t* p) {
    const std::string id = p[1] <= kMaxEnrolOption ? field_id(p + 2, kBioIdSize - 1) : field_id(p + 1, kBioIdSize);
    BioUser* u = bio_user_slot(t.bio, id);
    if (u == nullptr) return status(kNoRoom);
    u->templates = {synth_template(id, 0)};
    return status(kOk);
}

Answer verify(Terminal& t, const uint8_t* p) {
    auto it = find_user(t.bio, field_id(p + 1, kBioIdSize));
    return status(it != t.bio.users.end() && !it->second.templates.empty() ? kOk : kNoMatch);
}

Answer identify(Terminal& t, const uint8_t*) {
    BioModule& m = t.bio;
    auto it = m.finger.empty() ? m.users.end() : m.users.find(m.finger);
    if (it == m.users.end())
        it = std::find_if(m.users.begin(), m.users.end(), [](const auto& u) { return !u.second.templates.empty(); });
    if (it == m.users.end()) return status(kNoMatch);
    Answer a = status(kOk);
    put_padded_id(&a[1], it->first);
    return a;
}

Answer capture(Terminal& t, const uint8_t*) {
    t.bio.captured_template = synth_template(t.bio.finger.empty() ? std::string("reader") : t.bio.finger, 7);
    return status(kOk);
}

Answer configure(Terminal& t, const uint8_t* p) {
    t.bio.options = {p[1], p[2]};
    return status(kOk);
}

struct SubCommand {
    uint8_t code;
    Answer (*fn)(Terminal& t, const uint8_t* request);
    uint8_t answered;  // the sub-command the answer names
};

constexpr SubCommand kSubCommands[] = {
    {kSubModel, model, kSubModel},
    {kSubVersion, version, kSubVersion},
    {kSubUserCount, user_count, kSubUserCount},
    {kSubUserList, user_list, kSubUserList},
    {kSubFingerprintList, fingerprint_list, kSubFingerprintList},
    {kSubUserQuery, user_query, kSubUserQuery},
    {kSubUserDelete, user_delete, kSubUserDelete},
    {kSubEnrol, enrol, kSubEnrolAnswer},
    {kSubVerify, verify, kSubVerify},
    {kSubIdentify, identify, kSubIdentify},
    {kSubTemplate, capture, kSubTemplate},
    {kSubConfigure, configure, kSubConfigure},
};

Reply request(Terminal& t, TerminalBank&, const Request& r) {
    const uint8_t* p = r.payload.data();
    for (const SubCommand& s : kSubCommands) {
        if (s.code != p[0]) continue;
        bio_answer(t, s.answered, s.fn(t, p));
        return Reply::accepted();
    }
    bio_answer(t, p[0], status(kUnknownSub));
    return Reply::accepted();
}

// The user record (command 121): bytes 0..15 name the user.
Reply user_record(Terminal& t, TerminalBank&, const Request& r) {
    const std::string id = field_id(r.payload.data(), kBioIdSize);
    BioUser* u = bio_user_slot(t.bio, id);
    if (u == nullptr) return Reply::refused(link::Status::BadContents);
    u->record = r.payload;
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
constexpr std::size_t kBcdEntry = 5, kPackedEntry = 8, kMostPacked = 8000;

void read_entries(BioModule& m, const uint8_t* p, std::size_t count, std::size_t entry, const char* form) {
    m.no_fingerprint.clear();
    for (std::size_t i = 0; i < count; ++i) m.no_fingerprint.push_back(strip_zeros(bcd_digits(p + entry * i, entry)));
    m.no_fingerprint_form = form;
}

Reply no_fingerprint_250(Terminal& t, TerminalBank&, const Request& r) {
    read_entries(t.bio, &r.payload[1], std::min<std::size_t>(r.payload[0], 250), kBcdEntry, "250");
    return Reply::accepted();
}

Reply no_fingerprint_129(Terminal& t, TerminalBank&, const Request& r) {
    const auto& p = r.payload;
    if (p.size() == kBioNoFingerprint500Size) {
        const std::size_t count = std::min<std::size_t>(p[0] + (p[1] != 0 ? 256u : 0u), 500);
        read_entries(t.bio, &p[2], count, kBcdEntry, "500");
        return Reply::accepted();
    }
    t.bio.no_fingerprint.clear();
    if (p.size() < 2 || (p.size() - 2) % kPackedEntry != 0) return Reply::refused(link::Status::BadLength);
    const std::size_t count = (p.size() - 2) / kPackedEntry;
    if (count > kMostPacked) return Reply::refused(link::Status::BadLength);
    read_entries(t.bio, &p[2], count, kPackedEntry, (p[0] == 0xFA && p[1] == 0x02) ? "8000" : "8000-length");
    return Reply::accepted();
}

// A fingerprint record (command 131): one or two templates for a user.
Reply fingerprint(Terminal& t, TerminalBank&, const Request& r) {
    const auto& p = r.payload;
    if (p.size() != kBioFingerprintOne && p.size() != kBioFingerprintTwo) return Reply::refused(link::Status::BadLength);
    const std::string id = strip_zeros(pair_code_digits(&p[kFingerprintPairCode], 8));
    BioUser* u = bio_user_slot(t.bio, id);
    if (u == nullptr) return Reply::refused(link::Status::BadContents);
    u->templates.clear();
    u->templates.emplace_back(p.begin() + kFingerprintTemplates, p.begin() + kBioFingerprintOne);
    if (p.size() == kBioFingerprintTwo) u->templates.emplace_back(p.begin() + kBioFingerprintOne, p.end());
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
    table.on_send(kBioRequest, kBioMessageSize, request);
    table.on_send(kBioUserRecord, kBioUserRecordSize, user_record);
    table.on_send(kBioCompare, kBioTemplateSize, compare);
    table.on_send(kBioSettings, kBioSettingsSize, settings);
    table.on_send(kBioNoFingerprint250, kBioNoFingerprint250Size, no_fingerprint_250);
    table.on_send(kBioNoFingerprint, kAnyLength, no_fingerprint_129);
    table.on_send(kBioFingerprint, kAnyLength, fingerprint);
    table.on_receive(kBioAnswer, kBioMessageSize, next_answer);
    table.on_receive(kBioUserRecordAnswer, kBioUserRecordSize, user_record_answer);
    table.on_receive(kBioPackage, kAnyLength, package);
    table.on_receive(kBioTemplateAnswer, kBioTemplateSize, template_answer);
    table.on_receive(kBioFingerprintAnswer, kAnyLength, fingerprint_answer);
}

}  // namespace corvo::sim
