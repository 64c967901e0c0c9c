// The status over HTTP: `/` a small page without scripts, `/status` the same
// as JSON, `/metrics` in the Prometheus text format, `/punches?since=` as CSV
// or JSON lines. With a token, every request must carry it (the header
// "Authorization: Bearer TOKEN" or ?token=TOKEN); a wrong one is answered 401,
// a malformed query 400.
#pragma once
#include <memory>
#include <string>
#include <thread>

#include "metrics.h"
#include "store.h"

namespace httplib {
class Server;
}

namespace collector {

struct StatusContext {
    Store& store;
    Metrics& metrics;
    std::string collector;  // this collector's name
    std::string token;      // "" : none required
};

class StatusServer {
public:
    explicit StatusServer(StatusContext context);
    ~StatusServer();
    StatusServer(const StatusServer&) = delete;
    StatusServer& operator=(const StatusServer&) = delete;

    // Listens on HOST:PORT (port 0: any free port) in a thread of its own;
    // the port, or -1 when it cannot listen.
    int start(const std::string& host, int port);
    void stop();

private:
    void routes();
    StatusContext context_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
};

// The pages, apart from HTTP (status_pages.cpp).
std::string status_html(const StatusContext& c);
std::string status_json(const StatusContext& c);
std::string metrics_text(const StatusContext& c);
// The punches after a cursor: `since` an id ("1234"), a date ("2026-12-07")
// or a UTC time ("2026-12-07T08:00:00Z"); `format` csv or jsonl. False with
// `error` set when the query is malformed.
bool punches_text(const StatusContext& c, const std::string& since, const std::string& format, const std::string& limit,
                  std::string& body, std::string& error);

}  // namespace collector
