// The Ossel identification module: user records of 451 bytes (identifier
// packed in bytes 2..10; this module keeps the PIN packed in bytes 11..19
// and the template in bytes 20..239), a cursor over the users, and results
// read offline (240: 0 done, 1 not found or at the end) or as online events
// of origin 1 (2 success, 3 no match).
#include <algorithm>

#include "sim/bank.h"
#include "sim/events.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;

constexpr uint8_t kDone = 0, kNotFound = 1;
constexpr uint8_t kEventSuccess = 2, kEventNoMatch = 3;

std::string record_id(const Bytes& rec) { return ossel_id(&rec[kOsselRecordId], kOsselIdSize); }
std::string record_pin(const Bytes& rec) { return ossel_id(&rec[kOsselRecordPin], kOsselIdSize); }

std::vector<OsselUser>::iterator find(OsselModule& m, const std::string& id) {
    return std::find_if(m.users.begin(), m.users.end(), [&](const OsselUser& u) { return u.id == id; });
}

Reply add_user(Terminal& t, TerminalBank&, const Request& r) {
    OsselModule& m = t.ossel;
    const std::string id = record_id(r.payload);
    auto it = find(m, id);
    if (it != m.users.end())
        it->record = r.payload;
    else if (m.users.size() < kMaxOsselUsers)
        m.users.push_back({id, r.payload});
    else
        return Reply::refused(link::Status::BadContents);
    m.result = kDone;
    return Reply::accepted();
}

Reply compare_template(Terminal& t, TerminalBank&, const Request& r) {
    const bool found = std::any_of(t.ossel.users.begin(), t.ossel.users.end(), [&](const OsselUser& u) {
        return std::equal(r.payload.begin(), r.payload.end(), u.record.begin() + kOsselRecordTemplate);
    });
    ossel_result_event(t, found ? kEventSuccess : kEventNoMatch);
    return Reply::accepted();
}

Reply enrol_at_reader(Terminal& t, TerminalBank& bank, const Request& r) {
    if (r.payload[0] != 1) return Reply::refused(link::Status::BadContents);
    OsselModule& m = t.ossel;
    if (m.users.size() >= kMaxOsselUsers) return Reply::refused(link::Status::BadContents);
    uint64_t next = 1;
    for (const OsselUser& u : m.users) next = std::max(next, decimal_value(u.id) + 1);
    OsselUser u;
    u.id = std::to_string(next);
    u.record.assign(kOsselRecordSize, 0);
    put_ossel_id(&u.record[kOsselRecordId], kOsselIdSize, u.id);
    const auto tpl = u.record.begin() + kOsselRecordTemplate;
    std::fill(u.record.begin() + kOsselRecordPin, tpl, 0xFF);
    std::generate(tpl, tpl + kOsselTemplateSize, [&] { return static_cast<uint8_t>(bank.rng()); });
    m.enrolled_template.assign(tpl, tpl + kOsselTemplateSize);
    m.users.push_back(u);
    ossel_result_event(t, kEventSuccess);
    return Reply::accepted();
}

Reply locate_first(Terminal& t, TerminalBank&, const Request&) {
    t.ossel.cursor = 0;
    t.ossel.result = t.ossel.users.empty() ? kNotFound : kDone;
    return Reply::accepted();
}

Reply locate_next(Terminal& t, TerminalBank&, const Request&) {
    OsselModule& m = t.ossel;
    if (m.cursor < m.users.size()) ++m.cursor;
    m.result = m.cursor < m.users.size() ? kDone : kNotFound;
    return Reply::accepted();
}

Reply locate(Terminal& t, TerminalBank&, const Request& r) {
    OsselModule& m = t.ossel;
    auto it = find(m, ossel_id(&r.payload[2], kOsselKeySize));
    m.result = it == m.users.end() ? kNotFound : kDone;
    if (it != m.users.end()) m.cursor = static_cast<std::size_t>(it - m.users.begin());
    return Reply::accepted();
}

Reply erase(Terminal& t, TerminalBank&, const Request& r) {
    OsselModule& m = t.ossel;
    auto it = find(m, ossel_id(&r.payload[1], kOsselKeySize));
    m.result = it == m.users.end() ? kNotFound : kDone;
    if (it != m.users.end()) m.users.erase(it);
    return Reply::accepted();
}

Reply erase_all(Terminal& t, TerminalBank&, const Request& r) {
    const std::size_t n = std::min<std::size_t>(r.payload[0], 10);
    t.ossel.erase_text.assign(r.payload.begin() + 1, r.payload.begin() + 1 + static_cast<std::ptrdiff_t>(n));
    t.ossel.users.clear();
    t.ossel.cursor = 0;
    t.ossel.result = kDone;
    return Reply::accepted();
}

Reply compare_pin(Terminal& t, TerminalBank&, const Request& r) {
    const std::string pin = ossel_id(&r.payload[1], kOsselKeySize);
    const bool found = std::any_of(t.ossel.users.begin(), t.ossel.users.end(),
                                   [&](const OsselUser& u) { return !pin.empty() && record_pin(u.record) == pin; });
    ossel_result_event(t, found ? kEventSuccess : kEventNoMatch);
    return Reply::accepted();
}

Reply network(Terminal& t, TerminalBank&, const Request& r) {
    t.ossel.network = r.payload[0];
    t.ossel.result = kDone;
    return Reply::accepted();
}

Reply result(Terminal& t, TerminalBank&, const Request&) { return Reply::answer({t.ossel.result}); }

Reply total(Terminal& t, TerminalBank&, const Request&) {
    Bytes a(2);
    put_u16_be(a.data(), static_cast<uint16_t>(t.ossel.users.size()));
    return Reply::answer(a);
}

Reply current_record(Terminal& t, TerminalBank&, const Request&) {
    if (t.ossel.cursor >= t.ossel.users.size()) return Reply::refused(link::Status::NothingToGive);
    return Reply::answer(t.ossel.users[t.ossel.cursor].record);
}

Reply current_summary(Terminal& t, TerminalBank&, const Request&) {
    if (t.ossel.cursor >= t.ossel.users.size()) return Reply::refused(link::Status::NothingToGive);
    const Bytes& rec = t.ossel.users[t.ossel.cursor].record;
    Bytes a(kOsselSummarySize, 0);
    a[1] = 1;  // templates held
    std::copy(rec.begin() + kOsselRecordId, rec.begin() + kOsselRecordPin, a.begin() + 2);
    return Reply::answer(a);
}

Reply enrolled_template(Terminal& t, TerminalBank&, const Request&) {
    if (t.ossel.enrolled_template.empty()) return Reply::refused(link::Status::NothingToGive);
    return Reply::answer(t.ossel.enrolled_template);
}

Reply mode_checked(Terminal& t, TerminalBank& b, const Request& r, CommandFn fn) {
    if (r.payload[0] != 0 && r.payload[0] != 2) return Reply::refused(link::Status::BadContents);
    return fn(t, b, r);
}
Reply locate_first_m(Terminal& t, TerminalBank& b, const Request& r) { return mode_checked(t, b, r, locate_first); }
Reply locate_next_m(Terminal& t, TerminalBank& b, const Request& r) { return mode_checked(t, b, r, locate_next); }
Reply locate_m(Terminal& t, TerminalBank& b, const Request& r) { return mode_checked(t, b, r, locate); }
}  // namespace

void add_ossel_commands(CommandTable& table) {
    table.on_send(kOsselCompare, kOsselTemplateSize, compare_template);
    table.on_send(kOsselEnrol, 1, enrol_at_reader);
    table.on_send(kOsselAddUser, kOsselRecordSize, add_user);
    table.on_send(kOsselFirst, 1, locate_first_m);
    table.on_send(kOsselNext, 1, locate_next_m);
    table.on_send(kOsselLocate, kOsselLocateSize, locate_m);
    table.on_send(kOsselErase, kOsselIdSize, erase);
    table.on_send(kOsselEraseAll, kOsselEraseAllSize, erase_all);
    table.on_send(kOsselComparePin, kOsselIdSize, compare_pin);
    table.on_send(kOsselNetwork, 1, network);
    table.on_receive(kOsselResult, 1, result);
    table.on_receive(kOsselTotal, kCountSize, total);
    table.on_receive(kOsselRecord, kOsselRecordSize, current_record);
    table.on_receive(kOsselTemplateAnswer, kOsselTemplateSize, enrolled_template);
    table.on_receive(kOsselSummary, kOsselSummarySize, current_summary);
}

}  // namespace corvo::sim
