// One run of the tool: the loaded SDK, the open connection, the tracing of
// every exchange (-v) and the one-line reports of failures.
#pragma once
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <type_traits>

#include "args.h"
#include "sdk.h"

namespace vtool {

// The code, its meaning and what to do about it: "no answer or not the
// expected answer (code 1): check the cable, the address and the terminal number".
// With `operation`, the meaning that operation gives the code.
std::string describe_code(uint8_t code, const char* operation = nullptr);

class Session {
public:
    explicit Session(const Options& o) : options(o) {}
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Loads the SDK and opens the connection; false after reporting why.
    bool open();

    // Calls an SDK operation, tracing it with -v. `terminal` < 0: not a
    // terminal's exchange (a setter).
    template <class F, class... A>
    auto call(const char* name, long terminal, F op, A... args) {
        const auto start = std::chrono::steady_clock::now();
        last_operation_ = name;
        if constexpr (std::is_void_v<decltype(op(args...))>) {
            op(args...);
            if (options.verbose) trace(name, terminal, "done", start);
        } else {
            const auto r = op(args...);
            if (options.verbose) trace(name, terminal, result_text(name, r), start);
            return r;
        }
    }

    // A terminal failed (its lines are printed by its run).
    void count_failure() { ++failures_; }
    // What a failed exchange with the terminal means, in words: the code,
    // and for a failed exchange what was found about the connection.
    // The code worded as `operation` gives it, by default the last operation
    // this thread called (each terminal of a run has a thread of its own).
    std::string explain(int32_t terminal, uint8_t code, const char* operation = nullptr);

    int failures() const { return failures_; }
    int exit_status() const { return failures_ == 0 ? 0 : 1; }

    const Options& options;
    Sdk sdk;
    // The SDK prepares its blocks (access list, schedules, configuration
    // record) once for the whole process: held from preparing a block to
    // sending it, so that terminals served at once do not mix them.
    std::mutex blocks;

    // The -v line of an exchange timed elsewhere.
    void trace_code(const char* name, long terminal, uint8_t code, double ms);

private:
    static std::string result_text(const char* name, uint8_t code);
    static std::string result_text(const char*, int32_t value) { return std::to_string(value); }
    void trace(const char* name, long terminal, const std::string& result, std::chrono::steady_clock::time_point start);
    void set_link_options();
    bool refuse(const std::string& why);
    static thread_local const char* last_operation_;
    bool opened_ = false;
    std::atomic<int> failures_{0};
};

// "tcp-3000": the connection type and port, for names of files.
std::string connection_name(const Options& o);

// "varanda: " + text on standard error.
void say(const std::string& text);

}  // namespace vtool
