// Offline configuration: the configuration record, the offline message
// table, the change-event block, function keys, schedules and the TLM block.
#include <algorithm>

#include "sim/bank.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;

template <std::size_t N>
void copy_into(std::array<uint8_t, N>& to, const Bytes& from) {
    std::copy(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(N), to.begin());
}

Reply set_config(Terminal& t, TerminalBank&, const Request& r) {
    copy_into(t.config, r.payload);
    t.online = t.config[kConfigMode] == 1;
    return Reply::accepted();
}
Reply get_config(Terminal& t, TerminalBank&, const Request&) { return Reply::answer(Bytes(t.config.begin(), t.config.end())); }

Reply set_messages(Terminal& t, TerminalBank&, const Request& r) {
    copy_into(t.offline_messages, r.payload);
    return Reply::accepted();
}
Reply get_messages(Terminal& t, TerminalBank&, const Request&) {
    return Reply::answer(Bytes(t.offline_messages.begin(), t.offline_messages.end()));
}

Reply set_change_events(Terminal& t, TerminalBank&, const Request& r) {
    decltype(t.change_events)::value_type b{};
    copy_into(b, r.payload);
    t.change_events = b;
    return Reply::accepted();
}

Reply set_function_keys(Terminal& t, TerminalBank&, const Request& r) {
    copy_into(t.function_keys, r.payload);
    return Reply::accepted();
}

// Access schedules: the whole table (111) or the first 50 schedules (103).
Reply set_access_schedules(Terminal& t, TerminalBank&, const Request& r) {
    t.access_schedules.assign(kAccessSchedulesSize, 0xFF);
    std::copy(r.payload.begin(), r.payload.end(), t.access_schedules.begin());
    t.access_schedules_form = r.command == kAccessSchedules ? "full" : "old";
    return Reply::accepted();
}

// Sirens: 100 entries (112) or 50 (105).
Reply set_sirens(Terminal& t, TerminalBank&, const Request& r) {
    t.sirens.assign(kSirensSize, 0);
    std::copy(r.payload.begin(), r.payload.end(), t.sirens.begin());
    t.sirens_form = r.command == kSirens ? "full" : "old";
    return Reply::accepted();
}

Reply set_tlm(Terminal& t, TerminalBank&, const Request& r) {
    decltype(t.tlm)::value_type b{};
    copy_into(b, r.payload);
    t.tlm = b;
    return Reply::accepted();
}
}  // namespace

void add_config_commands(CommandTable& table) {
    table.on_send(kSetConfig, kConfigSize, set_config);
    table.on_receive(kGetConfig, kConfigSize, get_config);
    table.on_send(kSetMessages, kMessagesSize, set_messages);
    table.on_receive(kGetMessages, kMessagesSize, get_messages);
    table.on_send(kChangeEvents, kChangeEventsSize, set_change_events);
    table.on_send(kFunctionKeys, kFunctionKeysSize, set_function_keys);
    table.on_send(kAccessSchedules, kAccessSchedulesSize, set_access_schedules);
    table.on_send(kOldAccessSchedules, kOldAccessSchedulesSize, set_access_schedules);
    table.on_send(kSirens, kSirensSize, set_sirens);
    table.on_send(kOldSirens, kOldSirensSize, set_sirens);
    table.on_send(kTlm, kTlmSize, set_tlm);
}

}  // namespace corvo::sim
