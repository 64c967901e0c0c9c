#include "sim/bank.h"

#include <cstdio>

namespace corvo::sim {

TerminalBank::TerminalBank(uint32_t seed) : rng(seed) {
    add_online_commands(table_);
    add_config_commands(table_);
    add_time_commands(table_);
    add_access_list_commands(table_);
    add_punch_commands(table_);
    add_extras_commands(table_);
    add_bio_commands(table_);
    add_ossel_commands(table_);
}

Terminal& TerminalBank::terminal(uint32_t number) {
    auto it = terminals_.find(number);
    if (it == terminals_.end()) {
        it = terminals_.emplace(number, Terminal(number)).first;
        it->second.card_pattern = defaults.card_pattern;
        it->second.refused = defaults.refused;
    }
    return it->second;
}

link::Reply TerminalBank::handle(const link::Request& r) {
    ++exchanges;
    Terminal& t = terminal(r.terminal);
    const bool send = r.type == link::FrameType::Send;
    const CommandEntry& e = send ? table_.send[r.command] : table_.receive[r.command];
    link::Reply reply;
    if (t.refused.count(r.command) != 0) {
        reply = link::Reply::refused(link::Status::NotSupported);
    } else if (e.fn == nullptr) {
        reply = link::Reply::refused(link::Status::UnknownCommand);
    } else if (e.length != kAnyLength && (send ? r.payload.size() : r.expected_length) != e.length) {
        reply = link::Reply::refused(link::Status::BadLength);
    } else {
        reply = e.fn(t, *this, r);
    }
    if (reply.status == link::Status::Accepted) {
        ++t.commands[r.command];
        if (send && defaults.kept.count(r.command) != 0) keep_block(t, r);
    }
    t.last_session = r.session;
    t.last_seq = r.seq;
    if (verbose)
        std::fprintf(stderr, "corvo-sim: terminal %u %s %u (%zu bytes): status %u\n", r.terminal,
                     send ? "command" : "asks", r.command, send ? r.payload.size() : std::size_t{r.expected_length},
                     static_cast<unsigned>(reply.status));
    return reply;
}

void TerminalBank::keep_block(Terminal& t, const link::Request& r) {
    if (kept_bytes_ + r.payload.size() > kMaxKeptBytes) return;
    t.kept_blocks[r.command].push_back(r.payload);
    kept_bytes_ += r.payload.size();
}

void TerminalBank::commit(uint32_t number) {
    Terminal& t = terminal(number);
    switch (t.handed) {
        case Terminal::Handed::Punch:
            if (!t.punches.empty()) {
                t.punches.pop_front();
                ++t.punches_delivered;
            }
            break;
        case Terminal::Handed::Event:
            if (!t.events.empty()) {
                t.events.pop_front();
                ++t.events_delivered;
            }
            break;
        case Terminal::Handed::BioAnswer:
            if (!t.bio.answers.empty()) t.bio.answers.pop_front();
            break;
        case Terminal::Handed::Nothing:
            break;
    }
    t.handed = Terminal::Handed::Nothing;
}

void TerminalBank::discard(uint32_t number) { terminal(number).handed = Terminal::Handed::Nothing; }

}  // namespace corvo::sim
