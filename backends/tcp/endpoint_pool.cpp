#include "endpoint_pool.h"

namespace corvo::tcp {

link::Client* Connection::usable(link::Sequencer& sequencer, const link::Settings& settings) {
    if (client && client->broken()) close();
    if (!client && reconnect && socket.connect(address.host, address.port, settings.timeout_ms))
        client = std::make_unique<link::Client>(socket, sequencer, settings);
    return client.get();
}

void Connection::close() {
    client.reset();
    socket.close();
}

bool EndpointPool::open(int32_t port, std::string& report) {
    close();
    std::lock_guard<std::mutex> g(lock_);
    if (port <= 0 || port > 65535) return false;
    TerminalMap map;
    if (!load_terminal_map(map, report)) return false;
    settings_ = link::Settings::from_environment();
    map_ = std::move(map);
    const bool mapped = !map_.entries.empty();
    std::vector<std::shared_ptr<Connection>> made;
    auto add = [&](const Address& a) {
        for (const auto& c : made)
            if (c->address == a) return c;  // entries that share an endpoint share its connection
        auto c = std::make_shared<Connection>();
        c->address = a;
        c->reconnect = mapped;
        made.push_back(c);
        return c;
    };
    std::vector<std::shared_ptr<Connection>> table;
    for (const MapEntry& e : map_.entries) table.push_back(add(e.address));
    table.push_back(add(Address{default_host(), static_cast<uint16_t>(port)}));
    if (!mapped) {
        Connection& c = *table.back();
        if (!c.socket.connect(c.address.host, c.address.port, settings_.timeout_ms)) return false;
        c.client = std::make_unique<link::Client>(c.socket, sequencer_, settings_);
    }
    connections_ = std::move(table);
    return true;
}

void EndpointPool::close() {
    std::vector<std::shared_ptr<Connection>> old;
    {
        std::lock_guard<std::mutex> g(lock_);
        old.swap(connections_);
        map_.entries.clear();
    }
    for (const auto& c : old) {
        std::lock_guard<std::mutex> g(c->lock);  // after the exchange running on it, if any
        c->close();
    }
}

EndpointPool::Lease EndpointPool::lease(uint32_t terminal) {
    Lease l;
    link::Settings settings;
    {
        std::lock_guard<std::mutex> g(lock_);
        if (connections_.empty()) return l;
        const MapEntry* e = map_.find(terminal);
        l.keep = connections_[e != nullptr ? static_cast<std::size_t>(e - map_.entries.data()) : map_.entries.size()];
        settings = settings_;
    }
    l.lock = std::unique_lock<std::mutex>(l.keep->lock);
    l.client = l.keep->usable(sequencer_, settings);
    return l;
}

bool EndpointPool::connected() {
    std::vector<std::shared_ptr<Connection>> all;
    {
        std::lock_guard<std::mutex> g(lock_);
        all = connections_;
    }
    bool any = false;
    for (const auto& c : all) {
        std::lock_guard<std::mutex> g(c->lock);
        if (c->client && c->client->broken()) c->close();
        any = any || c->client != nullptr;
    }
    return any;
}

}  // namespace corvo::tcp
