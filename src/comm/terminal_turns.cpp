#include "comm/terminal_turns.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace varanda::turns {

namespace {

// Queues of terminals nobody waits for are kept for the next exchange, up to
// this many terminals.
constexpr std::size_t kIdleQueues = 256;

struct Queue {
    uint64_t next = 0;     // the number the next arrival draws
    uint64_t serving = 0;  // the number whose turn it is
    std::thread::id owner;
    std::condition_variable turn;
};

struct Registry {
    std::mutex lock;
    std::map<int32_t, std::unique_ptr<Queue>> queues;  // terminals with a turn taken or awaited, and a few idle
};

Registry& registry() {
    static Registry r;
    return r;
}

// The turns a thread holds, in the order it took them. Plain data: a
// thread-local with a destructor would keep the library from being unloaded.
constexpr unsigned kMaxHeld = 16;
struct ThreadTurns {
    int32_t held[kMaxHeld];
    unsigned count;
    unsigned scopes;
};
thread_local ThreadTurns t_turns;

void end_one(int32_t terminal) {
    Registry& r = registry();
    std::lock_guard<std::mutex> g(r.lock);
    auto it = r.queues.find(terminal);
    if (it == r.queues.end()) return;
    Queue& q = *it->second;
    q.owner = std::thread::id();
    ++q.serving;
    if (q.serving != q.next) {
        q.turn.notify_all();
    } else if (r.queues.size() > kIdleQueues) {
        r.queues.erase(it);  // nobody waits; a host that names many terminals keeps no queue for each
    }
}

void end_to(unsigned mark) {
    while (t_turns.count > mark) end_one(t_turns.held[--t_turns.count]);
}

}  // namespace

Ticket arrive(int32_t terminal) {
    Registry& r = registry();
    std::lock_guard<std::mutex> g(r.lock);
    std::unique_ptr<Queue>& slot = r.queues[terminal];
    if (!slot) slot = std::make_unique<Queue>();
    Queue& q = *slot;
    if (q.owner == std::this_thread::get_id()) return Ticket{terminal, 0, true, false};
    const bool kept = t_turns.count < kMaxHeld;
    if (kept) t_turns.held[t_turns.count++] = terminal;
    return Ticket{terminal, q.next++, false, kept};
}

void wait(const Ticket& ticket) {
    if (ticket.held) return;
    Registry& r = registry();
    std::unique_lock<std::mutex> g(r.lock);
    Queue& q = *r.queues[ticket.terminal];  // stays while this ticket is unserved
    q.turn.wait(g, [&] { return q.serving == ticket.number; });
    q.owner = std::this_thread::get_id();
}

void done(const Ticket& ticket) {
    if (ticket.held) return;
    if (!ticket.kept) {
        end_one(ticket.terminal);  // more turns than a thread keeps: this one ends with its exchange
    } else if (t_turns.scopes == 0) {
        end_to(0);
    }
}

TurnScope::TurnScope() : mark_(t_turns.count) { ++t_turns.scopes; }

TurnScope::~TurnScope() {
    --t_turns.scopes;
    end_to(mark_);
}

}  // namespace varanda::turns
