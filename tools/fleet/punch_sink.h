// Where a collection puts its punches: a file (file_sink.h) or a database
// (the collector service). The collection loop (collect_loop.h) calls it; a
// sink is shared by every terminal of a collection and called from their
// threads at once.
//
// The rule it serves: a punch handed over by the terminal stays pending there
// until the next request to that terminal acknowledges it. So the loop stores
// a punch, and store() returns, only once the punch is durable (written and
// flushed to disk, or committed); only then does the loop send the next
// request. When store() fails the loop sends nothing more to that terminal:
// the punch stays on the terminal and is offered again next time.
//
// A punch can come twice: within one process the SDK says so (code 128);
// after a restart of the host or of the terminal the terminal offers the last
// unacknowledged punch once more, as the first punch after the restart. The
// sink therefore keeps, per terminal and durably together with the punch, a
// record of the last punch stored and whether a later exchange confirmed it
// (LastPunch). A punch whose key equals an unconfirmed last punch is that
// punch offered again and is not stored twice. A genuine new punch with the
// very same fields (same card, type and minute) arriving exactly then is taken
// for the repeat: for the people who read the punches the two are the same,
// and the alternative, a doubled punch after every interrupted collection, is
// the fault to avoid.
#pragma once
#include <cstdint>
#include <string>

#include "punch.h"

namespace fleet {

struct LastPunch {
    std::string key;         // punch_key() of the last punch stored for the terminal, "" when none
    bool confirmed = false;  // a later exchange with the terminal succeeded after it was stored
};

class PunchSink {
public:
    virtual ~PunchSink() = default;

    // Takes the terminal for this collector: no other collector (this process
    // or another) may collect it into this sink until release(). "" when
    // taken, else who holds it ("held by pid 4242 (varanda collect) since
    // 2026-12-07 16:20:11 UTC"); nothing is sent to a terminal not taken.
    virtual std::string claim(int32_t terminal) = 0;
    virtual void release(int32_t terminal) = 0;

    // The terminal's record as it was durably stored.
    virtual LastPunch last(int32_t terminal) = 0;

    // Stores the punch and the record {punch_key(p), unconfirmed} of its
    // terminal durably, in one commit; returns only when both are durable. A
    // sink may wait a moment to commit the punches of many terminals at once.
    // Thread-safe. "" when stored, else what went wrong (the punch and the
    // record are then as before the call, or the sink refuses further stores).
    virtual std::string store(const Punch& p) = 0;

    // Marks the terminal's last stored punch as confirmed (a later exchange
    // with the terminal succeeded); durable when it returns. "" or the error.
    virtual std::string confirm(int32_t terminal) = 0;
};

// True when `p`, offered by the terminal, is the last punch stored for it
// offered again: its key is the record's and the record is unconfirmed.
inline bool offered_again(const LastPunch& last, const std::string& key) {
    return !last.confirmed && !last.key.empty() && last.key == key;
}

}  // namespace fleet
