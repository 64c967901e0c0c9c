#include "service.h"

#include <cmath>
#include <ctime>
#include <thread>

#include "collect_loop.h"
#include "log.h"
#include "runner.h"

namespace collector {

namespace {
int64_t epoch_now() { return static_cast<int64_t>(std::time(nullptr)); }
}  // namespace

// Renews this collector's leases every third of the lease time, during
// passes and between them, until the service stops.
Renewal::Renewal(Store& store, const std::string& me, int lease_s) : store_(store) {
    if (!store.postgres()) return;
    thread_ = std::thread([this, me, lease_s] {
        const auto period = std::chrono::milliseconds(lease_s * 1000 / 3);
        std::unique_lock<std::mutex> lock(mutex_);
        while (!wake_.wait_for(lock, period, [this] { return done_; })) {
            try {
                store_.renew(me, epoch_now(), lease_s);
            } catch (const DbError& e) {
                log_warn("lease: renewal failed: " + std::string(e.what()));
            }
        }
    });
}

Renewal::~Renewal() { stop(); }

void Renewal::stop() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

Service::Service(Site site, hostkit::Sdk& sdk, Store& store, Metrics& metrics)
    : sdk_(sdk), store_(store), metrics_(metrics), sink_(store, site.name), renewal_(store, site.name, site.lease_s) {
    replace_site(std::move(site));
}

void Service::replace_site(Site site) {
    site_ = std::move(site);
    site_terminals_.clear();
    for (const SiteTerminal& t : site_.terminals) {
        site_terminals_[static_cast<int32_t>(t.number)] = t;
        health_[static_cast<int32_t>(t.number)];
    }
    std::vector<int64_t> numbers;
    for (const auto& [t, site_terminal] : site_terminals_) numbers.push_back(t);
    store_.add_terminals(numbers);
}

std::vector<int64_t> Service::lease() {
    std::vector<int64_t> fleet;
    for (const auto& [t, site_terminal] : site_terminals_) fleet.push_back(t);
    const int64_t now = epoch_now();
    store_.heartbeat(site_.name, now, site_.lease_s);
    const int64_t live = store_.live_collectors(now);
    const auto share = static_cast<int64_t>(std::ceil(static_cast<double>(fleet.size()) / static_cast<double>(live)));
    return store_.lease(site_.name, now, site_.lease_s, share, fleet);
}

std::vector<int32_t> Service::due(const std::vector<int64_t>& held, bool all) {
    std::vector<int32_t> out;
    const auto now = Clock::now();
    for (int64_t t : held) {
        const auto it = health_.find(static_cast<int32_t>(t));
        if (it != health_.end() && site_terminals_.count(it->first) && (all || it->second.next_try <= now))
            out.push_back(it->first);
    }
    return out;
}

bool Service::pass(bool all) {
    const auto start = Clock::now();
    RunRecord run{site_.name, utc_now_text(), "", 0, 0, 0, 0, 0};
    const int64_t stored_before = sink_.stored(), commits_before = sink_.commits();
    std::vector<int64_t> held;
    try {
        held = lease();
    } catch (const DbError& e) {
        log_error("store: cannot lease terminals: " + std::string(e.what()));
        metrics_.failed("store");
        return false;
    }
    next_pass_ = start + std::chrono::seconds(site_.interval_s);
    std::map<std::pair<int, Model>, std::vector<int32_t>> groups;  // the SDK holds one card pattern and model at a time
    for (int32_t t : due(held, all)) groups[{site_terminals_[t].card_pattern, site_terminals_[t].model}].push_back(t);
    prepare_clocks();
    prepare_access_list();
    for (const auto& [settings, terminals] : groups) {
        if (fleet::stop_flag()) break;
        sdk_.api.DefinirPadraoCartao(static_cast<uint8_t>(settings.first));
        sdk_.api.SetarCorvoOld(0, settings.second == Model::Old ? 1 : 0);
        for (const fleet::Outcome& o : fleet::run_terminals(terminals, 0, [this](int32_t t, fleet::Output&) {
                 return collect(site_terminals_[t]);
             })) {
            ++run.terminals;
            if (o.status != fleet::Outcome::Status::ok) ++run.failed;
        }
    }
    run.punches = sink_.stored() - stored_before;
    run.commits = sink_.commits() - commits_before;
    run.duration_ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    run.finished_at = utc_now_text();
    metrics_.passes++;
    metrics_.last_pass_ms = run.duration_ms;
    log_info("pass: " + std::to_string(run.terminals) + " terminals, " + std::to_string(run.failed) + " failed, " +
             std::to_string(run.punches) + " punches stored in " + std::to_string(run.commits) + " commits, " +
             std::to_string(run.duration_ms) + " ms");
    try {
        store_.record_run(run);
    } catch (const DbError& e) {
        log_warn("store: the pass is not recorded: " + std::string(e.what()));
    }
    return run.failed == 0;
}

fleet::Outcome Service::collect(const SiteTerminal& site_terminal) {
    const auto t = static_cast<int32_t>(site_terminal.number);
    fleet::CollectSettings settings;
    settings.stop = &fleet::stop_flag();
    settings.trace = [this](const char*, uint8_t, double) { ++metrics_.exchanges; };
    const fleet::CollectReport r = fleet::collect_terminal(fleet::punch_source(sdk_.api), t, sink_, settings);
    metrics_.punches_stored = sink_.stored();
    metrics_.commits = sink_.commits();
    std::string error = r.failure;
    if (r.code != 0) error += " (code " + std::to_string(r.code) + ")";
    if (r.end == fleet::CollectReport::End::done) error = set_clock(site_terminal);
    if (r.end == fleet::CollectReport::End::done && error.empty()) error = push_access_list(site_terminal);
    const bool ok = r.end == fleet::CollectReport::End::done && error.empty();
    if (r.end == fleet::CollectReport::End::failed) metrics_.failed(r.code != 0 ? "collect" : "store");
    if (r.end == fleet::CollectReport::End::refused) metrics_.failed("lease");
    after(site_terminal, ok, error);
    if (r.offered_again > 0 || r.stored > 0) {
        log(r.offered_again > 0 ? Level::Info : Level::Debug,
            "terminal " + std::to_string(t) + ": " + std::to_string(r.stored) + " punches stored" +
                (r.offered_again ? ", " + std::to_string(r.offered_again) + " offered again and stored once" : ""));
    }
    if (r.end == fleet::CollectReport::End::interrupted) return fleet::Outcome::interrupted(t);
    return ok ? fleet::Outcome::ok(t, std::to_string(r.stored) + " punches") : fleet::Outcome::failed(t, error);
}

void Service::after(const SiteTerminal& site_terminal, bool ok, const std::string& error) {
    Health& h = health_[static_cast<int32_t>(site_terminal.number)];
    const std::string name = "terminal " + std::to_string(site_terminal.number);
    if (ok) {
        h.failures = 0;
        h.next_try = {};
    } else {
        ++h.failures;
        const double pause = std::min<double>(site_.retry_max_s, site_.retry_min_s * std::pow(2.0, h.failures - 1));
        h.next_try = Clock::now() + std::chrono::milliseconds(static_cast<int64_t>(pause * 1000));
        log_warn(name + ": " + error + " (failure " + std::to_string(h.failures) + " in a row; next try in " +
                 std::to_string(static_cast<int>(pause)) + " s)");
    }
    try {
        store_.record_result(site_terminal.number, ok, error);
    } catch (const DbError& e) {
        log_warn(name + ": the result is not recorded: " + e.what());
    }
}

double Service::seconds_to_next() const {
    auto next = next_pass_;
    for (const auto& [t, h] : health_) {
        if (h.failures > 0 && site_terminals_.count(t) && h.next_try < next) next = h.next_try;
    }
    return std::chrono::duration<double>(next - Clock::now()).count();
}

void Service::release() {
    renewal_.stop();
    try {
        store_.release(site_.name);
    } catch (const DbError& e) {
        log_warn("store: the leases are not given back (they expire): " + std::string(e.what()));
    }
}

}  // namespace collector
