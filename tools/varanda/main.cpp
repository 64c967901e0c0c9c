// varanda: the command-line tool for the people who run the terminals. It
// loads the SDK by name at run time, as any host does.
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "command.h"

namespace vtool {

namespace {

constexpr int kUsage = 2;

const char* kGlobalHelp =
    "usage: varanda [--type tcp|serial|modem|tcp-com|serial-com] [--port N] [--terminal LIST] [--parallel N]\n"
    "               [--timeout MS] [--retries N] [--old-model] [--json] [-v]\n"
    "               COMMAND ...\n"
    "\n"
    "  --type T          connection type (default tcp; VARANDA_TYPE)\n"
    "  --port N          the TCP port, or the serial port's number (VARANDA_PORT)\n"
    "  --terminal LIST   terminals such as 1 or 1,3,5-8 (default 1; VARANDA_TERMINALS)\n"
    "  --json            JSON lines on standard output\n"
    "  -v                trace every exchange (operation, terminal, code, time) on standard error\n"
    "  --parallel N      terminals served at once (default: all of them, up to 1000; 1: one after another)\n"
    "  --timeout MS      an exchange's time-out (1..60000; default the back-end's, 1000)\n"
    "  --retries N       an exchange's further attempts (0..20; default the back-end's, 3)\n"
    "  --old-model       terminals of the older model (reduced schedule tables and access list)\n"
    "  --modem-init TEXT, --dial NUMBER, --pulse   dialling with --type modem (default init ATZ, tone)\n"
    "\n"
    "Exit status: 0 every terminal succeeded, 1 some failed, 2 usage error.\n"
    "'varanda COMMAND --help' tells more about a command.\n"
    "\n"
    "commands:\n";

}  // namespace

const std::vector<CommandInfo>& command_table() {
    static const std::vector<CommandInfo> table = {
        {"ping", "", "Pings each terminal: ok and the round-trip time, or the failure.", make_ping},
        {"info", "",
         "Firmware version, stored punches, and the fingerprint and Ossel modules (user counts);\n"
         "a module that does not answer shows as absent.",
         make_info},
        {"clock", "get | set [now|YYYY-MM-DDTHH:MM:SS] | dst set START END",
         "Reads or sets the terminal's clock; now is the host's local time, taken as each terminal is set.", make_clock},
        {"dst", "set START END",
         "Sends the daylight saving period, START and END as YYYY-MM-DDTHH:MM.", make_dst},
        {"collect", "[--out FILE] [--max N]",
         "Collects every stored punch of each terminal (at most N a terminal), up to --parallel terminals\n"
         "at once, as CSV (terminal,type,date,time,card) or, with --json, JSON lines. FILE is appended to\n"
         "(the header only when it is new); each punch is on disk before the terminal is told it was taken.\n"
         "FILE.state/ beside it keeps each terminal's last punch, so that a punch offered again after a\n"
         "crash is written once, and a lock per terminal: a second collection of a terminal into FILE is\n"
         "refused. A last line cut short by a crash or a full disk is removed at the next run. Ctrl-C stops\n"
         "after the current punch. Progress goes to standard error.",
         make_collect},
        {"access-list", "push FILE.csv [--card-digits N [--reconfigure]] [--card-pattern 0|1] | clear",
         "push: sends the cards of FILE (lines card,schedule, ',' or ';' between them, quotes allowed; an\n"
         "optional header line; # comments). Every line is checked first (digits only, at most the\n"
         "terminal's card length; schedule 1..102; no card twice): a bad line is named and nothing is sent.\n"
         "--card-digits must agree with the terminal's card length (read from it first), unless\n"
         "--reconfigure sets the terminal to it before the list goes.\n"
         "--card-pattern 0 sends cards as 16-bit numbers (up to 65000). clear: sends an empty list.",
         make_access_list},
        {"schedules", "push FILE",
         "Sends the access schedules and siren times of FILE, one a line, # comments:\n"
         "  access SCHEDULE DAYS HH:MM [HH:MM [HH:MM [HH:MM]]]   schedule 1..100, up to four times\n"
         "  siren HH:MM DAYS                                     up to 100 siren times\n"
         "DAYS are weekdays 1..7 as a list and ranges (1-5,7). Each table goes whole: what FILE does\n"
         "not set is sent unset; a table without lines in FILE is not sent.",
         make_schedules},
        {"watch", "[--grant relay1|relay2|turnstile-in|turnstile-out|none] [--allow FILE.csv]",
         "Brings the terminals online and prints each card, keypad and finger event as it arrives,\n"
         "answering an allowed one (any, without --allow; else the cards of FILE) with the --grant\n"
         "action and any other with a deny text on the display, until Ctrl-C.",
         make_watch},
        {"relay", "1|2", "Pulses relay 1 or 2.", make_relay},
        {"beep", "short|long", "Sounds the beeper.", make_beep},
        {"display", "TEXT [--seconds N]",
         "Shows TEXT (up to 32 characters) as the standard online message, or for N seconds.", make_display},
        {"turnstile", "in|out|both", "Releases the turnstile.", make_turnstile},
        {"config", "keys | get | set KEY=VALUE ...",
         "keys: the fields by name with their allowed values. get: each terminal's record.\n"
         "set: reads each terminal's record, changes the keys given, sends it and reads it back.",
         make_config},
    };
    return table;
}

namespace {

const CommandInfo* find_command(const std::string& name) {
    for (const CommandInfo& c : command_table())
        if (name == c.name) return &c;
    return nullptr;
}

void print_help(const CommandInfo* c) {
    if (c == nullptr) {
        std::printf("%s", kGlobalHelp);
        for (const CommandInfo& i : command_table()) {
            const std::string first_line = std::string(i.help).substr(0, std::string(i.help).find('\n'));
            std::printf("  %-12s %s\n", i.name, *i.synopsis != '\0' ? i.synopsis : first_line.c_str());
        }
        return;
    }
    std::printf("usage: varanda [options] %s %s\n\n%s\n", c->name, c->synopsis, c->help);
}

int usage_error(const std::string& text) {
    say(text + " (varanda --help)");
    return kUsage;
}

int run(int argc, char** argv) {
    const Parsed parsed = parse_arguments(std::vector<std::string>(argv + 1, argv + argc),
                                          [](const char* name) { return std::getenv(name); });
    if (!parsed.error.empty()) return usage_error(parsed.error);
    Options o = parsed.options;
    if (!o.words.empty() && o.words[0] == "help") {
        o.words.erase(o.words.begin());
        o.help = true;
    }
    if (o.words.empty()) {
        if (o.help) {
            print_help(nullptr);
            return 0;
        }
        return usage_error("no command");
    }
    const CommandInfo* info = find_command(o.words[0]);
    if (info == nullptr) return usage_error("unknown command '" + o.words[0] + "'");
    if (o.help) {
        print_help(info);
        return 0;
    }
    if (std::string e = check_command_options(o, info->name); !e.empty()) return usage_error(e);
    std::unique_ptr<Command> command = info->make();
    if (std::string e = command->prepare(o); !e.empty()) return usage_error(e);
    if (command->run_offline(o)) return 0;
    if (!o.port) return usage_error("no port: give --port N or set VARANDA_PORT");
    if (o.type == 3 && o.dial.empty()) return usage_error("--type modem needs --dial NUMBER");
    if (std::string e = check_serial_com(o, [](const char* name) { return std::getenv(name); }); !e.empty())
        return usage_error(e);
    Session session(o);
    if (session.open()) command->run(session);
    return session.exit_status();
}

}  // namespace

}  // namespace vtool

int main(int argc, char** argv) {
#if !defined(_WIN32)
    // A closed standard output or a full file is an error of the write, not the end of the tool.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    return vtool::run(argc, argv);
}
