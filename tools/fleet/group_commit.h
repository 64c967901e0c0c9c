// Many threads' entries committed together: each submit() waits until a
// commit holding its entry has ended and returns that commit's verdict. The
// first thread that finds no commit running commits everything queued so far
// (itself included); the others wait, and the next commit takes whatever
// arrived meanwhile. One fsync (or one database transaction) then serves
// every terminal whose punch arrived during the previous one.
#pragma once
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace fleet {

template <class Entry>
class GroupCommit {
public:
    // `commit` writes a batch durably: "" when done, else the error (every
    // entry of the batch then gets it).
    using Commit = std::function<std::string(const std::vector<Entry>&)>;
    explicit GroupCommit(Commit commit) : commit_(std::move(commit)) {}

    std::string submit(Entry e) {
        std::unique_lock<std::mutex> g(lock_);
        queue_.push_back(std::move(e));
        const uint64_t mine = next_batch_;
        while (done_batch_ <= mine) {
            if (!running_) {
                run_one(g);
            } else {
                changed_.wait(g);
            }
        }
        auto it = results_.find(mine);
        std::string verdict = it->second.first;
        if (--it->second.second == 0) results_.erase(it);
        return verdict;
    }

private:
    void run_one(std::unique_lock<std::mutex>& g) {
        running_ = true;
        std::vector<Entry> batch;
        batch.swap(queue_);
        const uint64_t id = next_batch_++;
        g.unlock();
        std::string verdict = commit_(batch);
        g.lock();
        results_[id] = {std::move(verdict), batch.size()};
        done_batch_ = id + 1;
        running_ = false;
        changed_.notify_all();
    }

    Commit commit_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<Entry> queue_;
    uint64_t next_batch_ = 0;  // the batch the queued entries will join
    uint64_t done_batch_ = 0;  // batches below this one are committed
    bool running_ = false;
    std::map<uint64_t, std::pair<std::string, std::size_t>> results_;  // verdicts not yet read by every waiter
};

}  // namespace fleet
