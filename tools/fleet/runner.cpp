#include "runner.h"

#include <csignal>
#include <cstdio>
#include <thread>

#include "os.h"

namespace fleet {

namespace {

std::atomic<bool> g_stop{false};
std::mutex g_print;  // one whole line or block at a time on standard output and error

extern "C" void on_stop(int) { g_stop.store(true); }

}  // namespace

const std::atomic<bool>& stop_flag() { return g_stop; }
void request_stop() { g_stop.store(true); }

void catch_stop() {
    std::signal(SIGINT, on_stop);
    std::signal(SIGTERM, on_stop);
}

bool Output::stream(const std::string& text) {
    std::lock_guard<std::mutex> g(g_print);
    std::fflush(stdout);
    return os::write_all(1, text);
}

void Output::stream_error(const std::string& text) {
    std::lock_guard<std::mutex> g(g_print);
    os::write_all(2, text);
}

void Output::flush() {
    std::lock_guard<std::mutex> g(g_print);
    std::fflush(stdout);
    if (!out_.empty()) os::write_all(1, out_);
    if (!err_.empty()) os::write_all(2, err_);
    out_.clear();
    err_.clear();
}

namespace {

// Prints the terminals' kept lines in the order of the list, each as soon as
// it and every terminal before it have ended.
class InOrder {
public:
    explicit InOrder(std::size_t n) : outputs_(n), ended_(n, false) {}
    Output& output(std::size_t i) { return outputs_[i]; }
    void ended(std::size_t i) {
        std::lock_guard<std::mutex> g(lock_);
        ended_[i] = true;
        while (next_ < ended_.size() && ended_[next_]) outputs_[next_++].flush();
    }
    void rest() {
        std::lock_guard<std::mutex> g(lock_);
        while (next_ < outputs_.size()) outputs_[next_++].flush();
    }

private:
    std::vector<Output> outputs_;
    std::vector<bool> ended_;
    std::size_t next_ = 0;
    std::mutex lock_;
};

}  // namespace

std::vector<Outcome> run_terminals(const std::vector<int32_t>& terminals, unsigned parallel, const Job& job) {
    std::vector<Outcome> outcomes(terminals.size());
    for (std::size_t i = 0; i < terminals.size(); ++i) outcomes[i] = {terminals[i], Outcome::Status::not_started, {}};
    unsigned width = parallel == 0 || parallel > kMaxParallel ? kMaxParallel : parallel;
    if (width > terminals.size()) width = static_cast<unsigned>(terminals.size());
    InOrder printer(terminals.size());
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i; !g_stop.load() && (i = next.fetch_add(1)) < terminals.size();) {
            outcomes[i] = job(terminals[i], printer.output(i));
            printer.ended(i);
        }
    };
    if (width <= 1) {
        worker();
    } else {
        std::vector<std::thread> threads;
        threads.reserve(width);
        for (unsigned i = 0; i < width; ++i) threads.emplace_back(worker);
        for (std::thread& th : threads) th.join();
    }
    printer.rest();
    return outcomes;
}

const char* status_name(Outcome::Status s) {
    static const char* names[] = {"ok", "failed", "interrupted", "not started"};
    return names[static_cast<int>(s)];
}

}  // namespace fleet
