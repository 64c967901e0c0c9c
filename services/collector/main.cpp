// varanda-collector SITE.toml [--once]: keeps a fleet's punches in a database.
#include <CLI/CLI.hpp>

#include <csignal>
#include <thread>

#include "log.h"
#include "runner.h"
#include "sdk.h"
#include "service.h"
#include "status_server.h"
#include "terminal_map.h"

namespace {

std::atomic<bool> g_reload{false};
extern "C" void on_hangup(int) { g_reload.store(true); }

constexpr int kBadSite = 2, kCannotStart = 1;
constexpr auto kTick = std::chrono::milliseconds(100);

std::optional<collector::Site> load_site(const std::string& path) {
    std::vector<std::string> errors;
    auto site = collector::read_site(path, errors);
    for (const std::string& e : errors) collector::log_error(e);
    return site;
}

// Loads the SDK and opens the site's connection; "" or what went wrong.
std::string open_sdk(hostkit::Sdk& sdk, const collector::Site& site) {
    if (!sdk.load()) return "cannot load the SDK (" + hostkit::sdk_path() + ")";
    if (uint8_t r = sdk.api.DefinirTipoConexao(site.connection_type()); r != 0)
        return "connection type " + site.connection + ": code " + std::to_string(r);
    if (uint8_t r = sdk.api.AbrirPortaComunicacao(site.port); r != 0)
        return "cannot open the " + site.connection + " port " + std::to_string(site.port) + ": code " + std::to_string(r);
    return {};
}

// Waits for the next pass, a stop or a hang-up.
void wait_next(const collector::Service& service) {
    while (!fleet::stop_flag() && !g_reload && service.seconds_to_next() > 0) std::this_thread::sleep_for(kTick);
}

int serve(const collector::Site& first, const std::string& path, bool once) {
    collector::Site site = first;
    collector::TerminalMap map(site);
    if (!map.error().empty()) return collector::log_error(map.error()), kCannotStart;
    // The SDK stays loaded until the process ends: unloading it at exit buys
    // nothing, and the back-end's memory stays reachable for leak checkers.
    static hostkit::Sdk* const kept = new hostkit::Sdk;
    hostkit::Sdk& sdk = *kept;
    if (std::string e = open_sdk(sdk, site); !e.empty()) return collector::log_error(e), kCannotStart;
    std::unique_ptr<collector::Store> store;
    try {
        store = std::make_unique<collector::Store>(site.store);
    } catch (const collector::DbError& e) {
        return collector::log_error(e.what()), kCannotStart;
    }
    collector::log_info("store: " + store->where() + ", schema version " + std::to_string(store->schema_version()));
    collector::Metrics metrics;
    collector::Service service(site, sdk, *store, metrics);
    collector::StatusServer status({*store, metrics, site.name, site.token});
    if (site.status != "" && site.status != "off") {
        const auto colon = site.status.rfind(':');
        const int port = status.start(site.status.substr(0, colon), std::stoi(site.status.substr(colon + 1)));
        if (port < 0) return collector::log_error("status: cannot listen on " + site.status), kCannotStart;
        collector::log_info("status: listening on http://" + site.status.substr(0, colon) + ":" + std::to_string(port) + "/");
    }
    fleet::catch_stop();
    std::signal(SIGHUP, on_hangup);
    bool ok = service.pass(true);
    while (!once && !fleet::stop_flag()) {
        wait_next(service);
        if (g_reload.exchange(false)) {
            collector::log_info("site: reading " + path + " again");
            if (auto again = load_site(path)) service.replace_site(*again);
            else collector::log_warn("site: the file has mistakes; the collector goes on with the site it had");
            continue;
        }
        if (!fleet::stop_flag()) ok = service.pass(false);
    }
    service.release();
    status.stop();
    sdk.api.FecharPortaComunicacao();
    collector::log_info(fleet::stop_flag() ? "stopped" : "done");
    return once && !ok ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"varanda-collector: keeps a fleet's punches in a database, exactly once"};
    std::string path, level;
    bool once = false;
    app.add_option("site", path, "the site file (TOML)")->required();
    app.add_flag("--once", once, "one pass over every terminal, then exit (for cron)");
    app.add_option("--log-level", level, "debug, info, warn or error (else the site file's)");
    CLI11_PARSE(app, argc, argv);
    auto site = load_site(path);
    if (!site) return kBadSite;
    collector::Level l = collector::Level::Info;
    collector::parse_log_level(level.empty() ? site->log_level : level, l);
    collector::set_log_level(l);
    return serve(*site, path, once);
}
