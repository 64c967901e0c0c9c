// The collection of one terminal, exactly once: every punch the terminal
// holds goes into a PunchSink, durable before the exchange that tells the
// terminal it was taken, and a punch offered again is not stored twice.
//
//   fleet::CollectReport r = fleet::collect_terminal(fleet::punch_source(sdk), 7, sink, settings);
//
// The loop claims the terminal in the sink first (the per-terminal lock; when
// another collector holds it, nothing is sent), then asks for the punch
// count, takes the punches one by one (ColetarBilhete) and stores each, and
// ends with a count that acknowledges the last punch taken and confirms it in
// the sink. After a failed store it sends nothing more to the terminal.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "punch_sink.h"
#include "varanda.h"

namespace fleet {

// The two operations a collection needs, from any loaded SDK.
struct PunchSource {
    decltype(&::ColetarBilhete) collect = nullptr;
    decltype(&::ReceberQuantidadeBilhetes) count = nullptr;
};
// From anything with the two members (hostkit's VarandaApi, the tool's Sdk).
template <class Api>
PunchSource punch_source(const Api& api) {
    return {api.ColetarBilhete, api.ReceberQuantidadeBilhetes};
}

struct CollectSettings {
    long max = -1;                 // at most this many punches stored (-1: all)
    int tries = 4;                 // a step failing this often in a row ends the terminal's collection
    int repeats_in_a_row = 5;      // the terminal offering its last punch again this often: it is stuck
    const std::atomic<bool>* stop = nullptr;  // set: stop before the next punch is taken
    // Called after each exchange: the operation, the code, the milliseconds taken.
    std::function<void(const char* operation, uint8_t code, double ms)> trace;
    // Called after each punch stored: punches stored so far, punches the terminal held at the start.
    std::function<void(long stored, long total)> progress;
};

struct CollectReport {
    enum class End { done, failed, interrupted, refused };
    End end = End::done;
    long stored = 0;         // punches stored by this collection
    long offered_again = 0;  // punches offered again and not stored twice
    long left = -1;          // punches the terminal said it still held at the end (-1: unknown)
    uint8_t code = 0;        // the SDK's code of the failing exchange (End::failed), else 0
    const char* operation = nullptr;  // the operation that gave `code`
    std::string failure;     // what went wrong, "" when done
};

CollectReport collect_terminal(const PunchSource& sdk, int32_t terminal, PunchSink& sink,
                               const CollectSettings& settings);

}  // namespace fleet
