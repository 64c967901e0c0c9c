// Exchanges with one terminal happen one at a time, in the order in which
// host threads arrive; exchanges with different terminals go on side by side.
// A thread keeps its turn with a terminal until the exported operation that
// took it returns (TurnScope), so that the exchanges of one operation (the
// two blocks of an access list, a request and the polls for its answer) are
// never split by another thread's. A thread that holds the turn already (a
// window procedure calling in during an exchange) goes on at once, and the
// turn ends with the scope that took it.
#pragma once
#include <cstdint>

namespace varanda::turns {

struct Ticket {
    int32_t terminal = 0;
    uint64_t number = 0;
    bool held = false;  // the thread had the turn already: nothing to wait for, nothing to end
    bool kept = false;  // the turn lasts to the end of the thread's scope
};

// Under the process lock: the calling thread's place in the terminal's queue.
Ticket arrive(int32_t terminal);
// Without the process lock: returns once the ticket's turn has come.
void wait(const Ticket& ticket);
// After the exchange: outside every TurnScope the turn ends at once.
void done(const Ticket& ticket);

// The turns a thread takes while it lives end with it (the outermost scope of
// an exported operation; nested scopes end only their own).
class TurnScope {
public:
    TurnScope();
    ~TurnScope();
    TurnScope(const TurnScope&) = delete;
    TurnScope& operator=(const TurnScope&) = delete;

private:
    unsigned mark_;
};

}  // namespace varanda::turns
