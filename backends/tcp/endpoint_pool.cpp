#include "endpoint_pool.h"

#include <algorithm>
#include <utility>

#include "socket_stream.h"

namespace corvo::tcp {

namespace {
link::LinkSession::Connect connect_to(Address a) {
    return [a = std::move(a)](int timeout_ms) -> std::unique_ptr<link::Stream> {
        auto s = std::make_unique<SocketStream>();
        if (!s->connect(a.host, a.port, timeout_ms)) return nullptr;
        return s;
    };
}
}  // namespace

bool EndpointPool::open(int32_t port, std::string& report) {
    close();
    std::lock_guard<std::mutex> g(lock_);
    if (port <= 0 || port > 65535) return false;
    TerminalMap map;
    if (!load_terminal_map(map, report)) return false;
    const link::Settings settings = link::Settings::from_environment();
    map_ = std::move(map);
    const auto when = map_.entries.empty() ? link::LinkSession::When::Now : link::LinkSession::When::OnUse;
    std::vector<std::pair<Address, std::shared_ptr<link::LinkSession>>> made;
    auto add = [&](const Address& a) {
        for (const auto& m : made)
            if (m.first == a) return m.second;  // entries that share an endpoint share its connection
        auto s = std::make_shared<link::LinkSession>(sequencer_);
        made.emplace_back(a, s);
        return s->open(connect_to(a), settings, when) ? s : nullptr;
    };
    std::vector<std::shared_ptr<link::LinkSession>> table;
    for (const MapEntry& e : map_.entries) table.push_back(add(e.address));
    table.push_back(add(Address{default_host(), static_cast<uint16_t>(port)}));
    if (table.back() == nullptr) return false;  // without a map: the open port's endpoint did not connect
    sessions_ = std::move(table);
    return true;
}

void EndpointPool::close() {
    std::unique_lock<std::mutex> g(lock_);
    const auto old = std::exchange(sessions_, {});
    map_.entries.clear();
    g.unlock();
    for (const auto& s : old) s->close();  // after the exchange running on it, if any
}

std::shared_ptr<link::LinkSession> EndpointPool::session(uint32_t terminal) {
    std::lock_guard<std::mutex> g(lock_);
    if (sessions_.empty()) return nullptr;
    const MapEntry* e = map_.find(terminal);
    return sessions_[e != nullptr ? static_cast<std::size_t>(e - map_.entries.data()) : map_.entries.size()];
}

bool EndpointPool::connected() {
    std::unique_lock<std::mutex> g(lock_);
    const auto all = sessions_;
    g.unlock();
    // Each is asked, so that each drops a broken connection.
    return std::count_if(all.begin(), all.end(), [](const auto& s) { return s->connected(); }) > 0;
}

}  // namespace corvo::tcp
