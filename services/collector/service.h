// The service: passes over the fleet on the schedule, each terminal collected
// exactly once into the store (the fleet library's loop and runner), then its
// clock set when due; failing terminals retried after a growing pause; leases
// shared with the other collectors of one PostgreSQL store.
#pragma once
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <string>
#include <vector>

#include "metrics.h"
#include "runner.h"
#include "sdk.h"
#include "site.h"
#include "store.h"
#include "store_sink.h"

namespace collector {

// Renews a collector's leases in a thread of its own (PostgreSQL only).
class Renewal {
public:
    Renewal(Store& store, const std::string& me, int lease_s);
    ~Renewal();
    void stop();

private:
    Store& store_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

class Service {
public:
    Service(Site site, hostkit::Sdk& sdk, Store& store, Metrics& metrics);

    // One pass over the terminals that are due (all of them with `all`);
    // false when a terminal failed.
    bool pass(bool all);
    // Seconds until a terminal is due again (the next pass or a retry).
    double seconds_to_next() const;
    // A site file read again: the schedule and the terminals' settings.
    void replace_site(Site site);
    // Gives back every lease (a clean stop).
    void release();

private:
    using Clock = std::chrono::steady_clock;
    struct Health {
        int failures = 0;                // in a row
        Clock::time_point next_try{};    // not before
        std::string clock_set_on;        // the local date of the last daily clock setting
        std::string list_version;        // the access list sent (or refused) last
    };
    std::vector<int64_t> lease();
    std::vector<int32_t> due(const std::vector<int64_t>& held, bool all);
    fleet::Outcome collect(const SiteTerminal& site_terminal);
    void after(const SiteTerminal& site_terminal, bool ok, const std::string& error);
    // The clocks (clock.cpp): each time zone's offset worked out before a
    // pass, and a terminal's clock set when due ("" or the failure).
    void prepare_clocks();
    std::string set_clock(const SiteTerminal& site_terminal);
    // The access list (access_list.cpp): read before a pass, sent after a
    // terminal's collection when it changed.
    void prepare_access_list();
    std::string push_access_list(const SiteTerminal& site_terminal);

    Site site_;
    hostkit::Sdk& sdk_;
    Store& store_;
    Metrics& metrics_;
    StoreSink sink_;
    std::map<int32_t, Health> health_;
    std::map<int32_t, SiteTerminal> site_terminals_;
    Renewal renewal_;
    Clock::time_point next_pass_{};
    std::map<std::string, long> zone_offsets_;  // seconds east of UTC, "" the machine's zone
    std::string list_name_, list_text_, list_version_;  // the access list's source, text and version ("" none)
    std::mutex list_mutex_;
    bool list_broken_ = false;  // the SDK holds part of a refused list: nothing more is sent
};

}  // namespace collector
