// Online events that a module operation read from a terminal while it waited
// for its own answer (a card or keypad event, another module's answer). They
// are kept here, per terminal and in arrival order, until the host's next
// online-event read or the operation that awaits them takes them.
//
// Each terminal keeps at most kPerTerminal events; when its queue is full the
// oldest is dropped to make room.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>

#include "events/online_event_record.h"

namespace varanda {

class ConnectionManager;

class HeldOnlineEvents {
public:
    static constexpr size_t kPerTerminal = 32;

    void hold(int32_t terminal, const OnlineEventRecord& event);

    // The oldest held event of the terminal, removed; false when none.
    bool take_oldest(int32_t terminal, OnlineEventRecord& out);

    // The oldest held event of the terminal that `wanted` accepts, removed.
    bool take_first(int32_t terminal, const std::function<bool(const OnlineEventRecord&)>& wanted,
                    OnlineEventRecord& out);

    size_t size(int32_t terminal) const;

private:
    std::map<int32_t, std::deque<OnlineEventRecord>> queues_;
};

// The next online event of a terminal for the host: a held one first,
// otherwise one fetched from the terminal (command 207). The online-event
// operations read through this so that nothing a module operation read
// meanwhile is lost.
ReturnCode next_online_event(HeldOnlineEvents& held, ConnectionManager& connection, int32_t terminal,
                             OnlineEventRecord& out);

}  // namespace varanda
