// The link's frames on a connection: served by the endpoint, through the bad
// line (frames dropped, damaged or held back) and the network's delay.
#include <cstdio>

#include "sim/server.h"
#include "sim/state_journal.h"

namespace corvo::sim {

// Serves the frames `parser` holds, through the bad line when they are
// `fresh` (not held by it already); stops when the peer leaves too much unread.
void Server::frames_of(Connection& c, link::Parser& parser, bool fresh) {
    link::Frame f;
    link::Parser::Event ev;
    while (!c.closing && (ev = parser.next(f)) != link::Parser::Event::None) {
        if (ev == link::Parser::Event::Frame && fresh) {
            inbound_frame(c, f);
        } else if (ev == link::Parser::Event::Frame) {
            serve(c, f);
        } else {
            std::vector<uint8_t> reply;
            endpoint_.on_corrupt(f.header, reply);
            outbound(c, reply);
        }
        over_backlog(c);
    }
}

void Server::link_bytes(Connection& c, const uint8_t* bytes, std::size_t size) {
    c.parser.feed(bytes, size);
    frames_of(c, c.parser, true);
}

void Server::serve(Connection& c, const link::Frame& f) {
    std::vector<uint8_t> reply;
    endpoint_.on_frame(f, reply);
    if (journal_ != nullptr && !journal_->record(f.header.terminal))
        std::fprintf(stderr, "corvo-sim: cannot write %s\n", journal_->path().c_str());
    if (latency_ms_ > 0 && !reply.empty()) {
        // Answers of one connection leave in the order their requests came.
        c.held_bytes += reply.size();
        c.late.push_back({std::chrono::steady_clock::now() + std::chrono::milliseconds(latency_ms_), std::move(reply)});
        return;
    }
    outbound(c, reply);
}

int Server::release_late(Connection& c) {
    const auto now = std::chrono::steady_clock::now();
    while (!c.late.empty() && c.late.front().due <= now) {
        std::vector<uint8_t> bytes = std::move(c.late.front().bytes);
        c.late.pop_front();
        c.held_bytes -= bytes.size();
        outbound(c, bytes);
    }
    if (c.late.empty()) return -1;
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(c.late.front().due - now).count();
    return static_cast<int>((left + 999) / 1000);
}

void Server::hold(Connection& c, std::deque<Held>& queue, std::vector<uint8_t> bytes, bool delayed) {
    auto due = std::chrono::steady_clock::now();
    if (delayed) due += std::chrono::milliseconds(faults_.hold_ms());
    // Frames keep their order: none overtakes one held before it.
    if (!queue.empty() && queue.back().due > due) due = queue.back().due;
    c.held_bytes += bytes.size();
    queue.push_back({due, std::move(bytes)});
}

void Server::inbound_frame(Connection& c, const link::Frame& f) {
    const FaultInjector::Fate fate = faults_.next(true);
    if (fate == FaultInjector::Fate::Pass && c.held_in.empty()) return serve(c, f);
    fault(c, c.held_in, fate, link::encode(f));
}

// Drops, damages or delays the bytes by their fate; passed bytes join the queue
// behind those held before them.
void Server::fault(Connection& c, std::deque<Held>& queue, FaultInjector::Fate fate, std::vector<uint8_t> bytes) {
    if (fate == FaultInjector::Fate::Drop) return;
    if (fate == FaultInjector::Fate::Corrupt) faults_.damage(bytes);
    hold(c, queue, std::move(bytes), fate == FaultInjector::Fate::Delay);
}

void Server::outbound(Connection& c, std::vector<uint8_t>& reply) {
    if (reply.empty()) return;
    if (!faults_.active() && c.held_out.empty()) {
        c.out.insert(c.out.end(), reply.begin(), reply.end());
        return;
    }
    fault(c, c.held_out, faults_.next(false), std::move(reply));
}

// Lets through the held frames that are due; true when some stay held.
bool Server::release_held(Connection& c) {
    const auto now = std::chrono::steady_clock::now();
    while (!c.held_in.empty() && c.held_in.front().due <= now) {
        const std::vector<uint8_t> bytes = std::move(c.held_in.front().bytes);
        c.held_in.pop_front();
        c.held_bytes -= bytes.size();
        link::Parser p;  // a held frame is whole: it is read on its own
        p.feed(bytes.data(), bytes.size());
        frames_of(c, p, false);
    }
    while (!c.held_out.empty() && c.held_out.front().due <= now) {
        const std::vector<uint8_t>& bytes = c.held_out.front().bytes;
        c.out.insert(c.out.end(), bytes.begin(), bytes.end());
        c.held_bytes -= bytes.size();
        c.held_out.pop_front();
    }
    return !c.held_in.empty() || !c.held_out.empty();
}

}  // namespace corvo::sim
