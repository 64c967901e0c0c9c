#include "comm/terminal_turns.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace varanda::turns {

namespace {

// Queues of terminals nobody waits for are kept for the next exchange, up to
// this many terminals.
constexpr std::size_t kIdleQueues = 256;

struct Queue {
    uint64_t next = 0;     // the number the next arrival draws
    uint64_t serving = 0;  // the number whose turn it is
    std::thread::id owner;
    unsigned depth = 0;    // tickets of the owner on top of its first
    std::condition_variable turn;
};

struct Registry {
    std::mutex lock;
    std::map<int32_t, std::unique_ptr<Queue>> queues;  // only terminals with a turn taken or awaited
};

Registry& registry() {
    static Registry r;
    return r;
}

struct ThreadTurns {
    std::vector<int32_t> held;  // terminals, once per ticket taken
    unsigned scopes = 0;
};
thread_local ThreadTurns t_turns;

void end_one(int32_t terminal) {
    Registry& r = registry();
    std::lock_guard<std::mutex> g(r.lock);
    auto it = r.queues.find(terminal);
    if (it == r.queues.end()) return;
    Queue& q = *it->second;
    if (q.depth > 0) {
        --q.depth;
        return;
    }
    q.owner = std::thread::id();
    ++q.serving;
    if (q.serving != q.next) {
        q.turn.notify_all();
    } else if (r.queues.size() > kIdleQueues) {
        r.queues.erase(it);  // nobody waits; a host that names many terminals keeps no queue for each
    }
}

void end_to(unsigned mark) {
    while (t_turns.held.size() > mark) {
        const int32_t terminal = t_turns.held.back();
        t_turns.held.pop_back();
        end_one(terminal);
    }
}

}  // namespace

Ticket arrive(int32_t terminal) {
    Registry& r = registry();
    std::lock_guard<std::mutex> g(r.lock);
    std::unique_ptr<Queue>& slot = r.queues[terminal];
    if (!slot) slot = std::make_unique<Queue>();
    Queue& q = *slot;
    t_turns.held.push_back(terminal);
    if (q.owner == std::this_thread::get_id()) {
        ++q.depth;
        return Ticket{terminal, 0, true};
    }
    return Ticket{terminal, q.next++, false};
}

void wait(const Ticket& ticket) {
    if (ticket.held) return;
    Registry& r = registry();
    std::unique_lock<std::mutex> g(r.lock);
    Queue& q = *r.queues[ticket.terminal];  // stays while this ticket is unserved
    q.turn.wait(g, [&] { return q.serving == ticket.number; });
    q.owner = std::this_thread::get_id();
}

void done(const Ticket& /*ticket*/) {
    if (t_turns.scopes == 0) end_to(0);
}

TurnScope::TurnScope() : mark_(static_cast<unsigned>(t_turns.held.size())) { ++t_turns.scopes; }

TurnScope::~TurnScope() {
    --t_turns.scopes;
    end_to(mark_);
}

}  // namespace varanda::turns
