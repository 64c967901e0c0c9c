// A command of the tool: checked first (words, options, files), then run
// against each terminal of the list.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "args.h"
#include "session.h"
#include "terminal_run.h"
#include "text_file.h"

namespace vtool {

class Command {
public:
    virtual ~Command() = default;
    // Checks the command's words, options and input files before any
    // exchange; "" when it may run, else the usage error (exit status 2).
    virtual std::string prepare(const Options& o) = 0;
    // Runs it; failures are reported and counted by the session.
    virtual void run(Session& s) = 0;
    // True when the command did its work without any terminal (config keys).
    virtual bool run_offline(const Options&) { return false; }
};

struct CommandInfo {
    const char* name;
    const char* synopsis;  // the words after the name
    const char* help;      // what it does, a few lines
    std::unique_ptr<Command> (*make)();
};

const std::vector<CommandInfo>& command_table();

// The command words after the command's name.
inline std::vector<std::string> arguments(const Options& o) {
    return o.words.size() > 1 ? std::vector<std::string>(o.words.begin() + 1, o.words.end()) : std::vector<std::string>{};
}

// Runs op(terminal) for each terminal, up to --parallel at once: the ok line
// (text or JSON) or the failure.
template <class Op>
void for_each_terminal(Session& s, const std::string& what, Op op) {
    run_all(s, what, [&](TerminalRun& r) { return simple_result(r, what, op(r.t)); });
}

// Reads the terminal's configuration record, changes the keys given, sends it
// and reads it back into `back` (kRecordSize bytes); the failure, reported,
// or ok. Holds the session's prepared blocks meanwhile.
fleet::Outcome change_configuration(TerminalRun& run, const std::vector<std::pair<std::string, std::string>>& changes,
                                    uint8_t* back);

// The command factories, one per file.
std::unique_ptr<Command> make_ping();
std::unique_ptr<Command> make_info();
std::unique_ptr<Command> make_clock();
std::unique_ptr<Command> make_dst();
std::unique_ptr<Command> make_collect();
std::unique_ptr<Command> make_access_list();
std::unique_ptr<Command> make_schedules();
std::unique_ptr<Command> make_watch();
std::unique_ptr<Command> make_relay();
std::unique_ptr<Command> make_beep();
std::unique_ptr<Command> make_display();
std::unique_ptr<Command> make_turnstile();
std::unique_ptr<Command> make_config();

}  // namespace vtool
