// What the collector counts, for /metrics and /status.
#pragma once
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace collector {

class Metrics {
public:
    std::atomic<int64_t> exchanges{0}, passes{0}, punches_stored{0}, commits{0};
    std::atomic<int64_t> last_pass_ms{-1};

    // A failure of a kind ("connect", "collect", "store", "clock", "access_list", "lease").
    void failed(const std::string& kind) {
        std::lock_guard<std::mutex> lock(mutex_);
        ++failures_[kind];
    }
    std::map<std::string, int64_t> failures() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return failures_;
    }

private:
    mutable std::mutex mutex_;
    std::map<std::string, int64_t> failures_;
};

}  // namespace collector
