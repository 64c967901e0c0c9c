#include "link/session.h"

#include <algorithm>

namespace corvo::link {

namespace {
// The settings of an exchange of about `bytes` bytes on a line of `baud`:
// each attempt also gets the time its frames take there (ten bits a byte).
Settings on_line(Settings s, std::size_t bytes, int32_t baud) {
    const long long ms = (static_cast<long long>(bytes) + 64) * 10 * 1000 / baud;
    s.timeout_ms = static_cast<int>(std::min<long long>(s.timeout_ms + ms, 600000));
    return s;
}
}  // namespace

bool LinkSession::open(Connect connect, Settings settings, When when, int32_t baud) {
    std::lock_guard<std::mutex> g(lock_);
    drop();
    connect_ = std::move(connect);
    settings_ = settings;
    when_ = when;
    baud_ = baud;
    if (when_ == When::OnUse) return true;
    stream_ = connect_(settings_.timeout_ms);
    if (stream_) client_ = std::make_unique<Client>(*stream_, seq_, settings_);
    return client_ != nullptr;
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

void LinkSession::drop() {
    client_.reset();
    stream_.reset();
}

Client* LinkSession::usable(std::size_t bytes) {
    if (client_ && client_->broken()) drop();
    if (!client_ && when_ == When::OnUse && connect_) {
        stream_ = connect_(settings_.timeout_ms);
        if (stream_) client_ = std::make_unique<Client>(*stream_, seq_, settings_);
    }
    if (client_ && baud_ > 0) client_->set_settings(on_line(settings_, bytes, baud_));
    return client_.get();
}

bool LinkSession::send(uint32_t terminal, uint8_t command, const uint8_t* data, uint32_t length,
                       std::optional<uint16_t> index) {
    std::lock_guard<std::mutex> g(lock_);
    Client* c = usable(length);
    if (c == nullptr) return false;
    last_terminal_ = terminal;
    return c->send(terminal, command, data, length, index) == Client::Outcome::Accepted;
}

bool LinkSession::receive(uint32_t terminal, uint8_t command, uint8_t* buffer, uint32_t length, bool acknowledge) {
    std::lock_guard<std::mutex> g(lock_);
    Client* c = usable(length);
    if (c == nullptr) return false;
    last_terminal_ = terminal;
    return c->receive(terminal, command, buffer, length, acknowledge) == Client::Outcome::Accepted;
}

bool LinkSession::respond_to(std::optional<uint32_t> terminal, uint8_t byte) {
    std::lock_guard<std::mutex> g(lock_);
    Client* c = usable(1);
    return c != nullptr && c->respond(terminal.value_or(last_terminal_), byte);
}

}  // namespace corvo::link
