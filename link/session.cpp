#include "link/session.h"

#include <algorithm>

namespace corvo::link {

bool LinkSession::open(Connect connect, Settings settings, When when) {
    std::lock_guard<std::mutex> g(lock_);
    drop();
    connect_ = std::move(connect);
    settings_ = settings;
    when_ = when;
    return when_ == When::OnUse || connect_now();
}

bool LinkSession::connect_now() {
    stream_ = connect_(settings_.timeout_ms);
    if (stream_) client_ = std::make_unique<Client>(*stream_, seq_, settings_);
    return client_ != nullptr;
}

void LinkSession::drop() {
    client_.reset();
    stream_.reset();
}

void LinkSession::close() {
    std::lock_guard<std::mutex> g(lock_);
    drop();
}

bool LinkSession::connected() {
    std::lock_guard<std::mutex> g(lock_);
    if (client_ && client_->broken()) drop();
    return client_ != nullptr;
}

Client* LinkSession::usable(std::size_t bytes) {
    if (client_ && client_->broken()) drop();
    if (!client_ && when_ == When::OnUse && !connect_now()) return nullptr;
    if (client_ && stream_->baud() > 0) {
        // Each attempt also gets the time the frames take on the line (ten bits a byte).
        Settings s = settings_;
        const long long ms = (static_cast<long long>(bytes) + 64) * 10 * 1000 / stream_->baud();
        s.timeout_ms = static_cast<int>(std::min<long long>(s.timeout_ms + ms, 600000));
        client_->set_settings(s);
    }
    return client_.get();
}

bool LinkSession::send(uint32_t terminal, uint8_t command, const uint8_t* data, uint32_t length,
                       std::optional<uint16_t> index) {
    std::lock_guard<std::mutex> g(lock_);
    Client* c = usable(length);
    if (c != nullptr) last_terminal_ = terminal;
    return c != nullptr && c->send(terminal, command, data, length, index) == Client::Outcome::Accepted;
}

bool LinkSession::receive(uint32_t terminal, uint8_t command, uint8_t* buffer, uint32_t length, bool acknowledge) {
    std::lock_guard<std::mutex> g(lock_);
    Client* c = usable(length);
    if (c != nullptr) last_terminal_ = terminal;
    return c != nullptr && c->receive(terminal, command, buffer, length, acknowledge) == Client::Outcome::Accepted;
}

bool LinkSession::respond(std::optional<uint32_t> terminal, uint8_t byte) {
    std::lock_guard<std::mutex> g(lock_);
    Client* c = usable(1);
    return c != nullptr && c->respond(terminal.value_or(last_terminal_), byte);
}

}  // namespace corvo::link
