#include "events/held_online_events.h"

#include "comm/connection_manager.h"

namespace varanda {

void HeldOnlineEvents::hold(int32_t terminal, const OnlineEventRecord& event) {
    std::deque<OnlineEventRecord>& q = queues_[terminal];
    while (q.size() >= kPerTerminal) q.pop_front();
    q.push_back(event);
}

bool HeldOnlineEvents::take_oldest(int32_t terminal, OnlineEventRecord& out) {
    return take_first(terminal, [](const OnlineEventRecord&) { return true; }, out);
}

bool HeldOnlineEvents::take_first(int32_t terminal, const std::function<bool(const OnlineEventRecord&)>& wanted,
                                  OnlineEventRecord& out) {
    auto it = queues_.find(terminal);
    if (it == queues_.end()) return false;
    std::deque<OnlineEventRecord>& q = it->second;
    for (auto e = q.begin(); e != q.end(); ++e) {
        if (wanted(*e)) {
            out = *e;
            q.erase(e);
            if (q.empty()) queues_.erase(it);
            return true;
        }
    }
    return false;
}

size_t HeldOnlineEvents::size(int32_t terminal) const {
    auto it = queues_.find(terminal);
    return it == queues_.end() ? 0 : it->second.size();
}

ReturnCode next_online_event(HeldOnlineEvents& held, ConnectionManager& connection, int32_t terminal,
                             OnlineEventRecord& out) {
    if (held.take_oldest(terminal, out)) return rc::kOk;
    return receive_online_event(connection, terminal, out);
}

}  // namespace varanda
