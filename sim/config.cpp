// Offline configuration: the configuration record, the offline message
// table, the change-event block, function keys, schedules and the TLM block.
#include <algorithm>

#include "sim/kept_block.h"

namespace corvo::sim {

namespace {
using link::Reply;
using link::Request;

Reply set_config(Terminal& t, TerminalBank& bank, const Request& r) {
    keep_block<&Terminal::config>(t, bank, r);
    t.online = t.config[kConfigMode] == 1;
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
}  // namespace

void add_config_commands(CommandTable& table) {
    table.on_send(kSetConfig, kConfigSize, set_config);
    table.on_receive(kGetConfig, kConfigSize, give_block<&Terminal::config>);
    table.on_send(kSetMessages, kMessagesSize, keep_block<&Terminal::offline_messages>);
    table.on_receive(kGetMessages, kMessagesSize, give_block<&Terminal::offline_messages>);
    table.on_send(kChangeEvents, kChangeEventsSize, keep_block<&Terminal::change_events>);
    table.on_send(kFunctionKeys, kFunctionKeysSize, keep_block<&Terminal::function_keys>);
    table.on_send(kAccessSchedules, kAccessSchedulesSize, set_access_schedules);
    table.on_send(kOldAccessSchedules, kOldAccessSchedulesSize, set_access_schedules);
    table.on_send(kSirens, kSirensSize, set_sirens);
    table.on_send(kOldSirens, kOldSirensSize, set_sirens);
    table.on_send(kTlm, kTlmSize, keep_block<&Terminal::tlm>);
}

}  // namespace corvo::sim
