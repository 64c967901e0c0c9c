#include "status_server.h"

#include <httplib.h>

#include "log.h"

namespace collector {

namespace {
constexpr int kUnauthorized = 401, kBadRequest = 400, kServerError = 500;
constexpr time_t kIoTimeoutS = 5;

bool authorised(const StatusContext& c, const httplib::Request& req) {
    if (c.token.empty()) return true;
    if (req.get_header_value("Authorization") == "Bearer " + c.token) return true;
    return req.has_param("token") && req.get_param_value("token") == c.token;
}
}  // namespace

StatusServer::StatusServer(StatusContext context) : context_(std::move(context)), server_(new httplib::Server) {
    routes();
}

StatusServer::~StatusServer() { stop(); }

void StatusServer::routes() {
    httplib::Server& s = *server_;
    s.set_read_timeout(kIoTimeoutS);
    s.set_write_timeout(kIoTimeoutS);
    s.set_payload_max_length(4096);
    s.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        if (authorised(context_, req)) return httplib::Server::HandlerResponse::Unhandled;
        res.status = kUnauthorized;
        res.set_header("WWW-Authenticate", "Bearer");
        res.set_content("a token is required\n", "text/plain");
        return httplib::Server::HandlerResponse::Handled;
    });
    s.set_exception_handler([](const httplib::Request& req, httplib::Response& res, std::exception_ptr ep) {
        std::string why = "unknown error";
        try {
            std::rethrow_exception(ep);
        } catch (const std::exception& e) {
            why = e.what();
        } catch (...) {
        }
        log_warn("status: " + req.path + ": " + why);
        res.status = kServerError;
        res.set_content(why + "\n", "text/plain");
    });
    s.Get("/", [this](const httplib::Request&, httplib::Response& res) {
        res.set_content(status_html(context_), "text/html; charset=utf-8");
    });
    s.Get("/status", [this](const httplib::Request&, httplib::Response& res) {
        res.set_content(status_json(context_), "application/json");
    });
    s.Get("/metrics", [this](const httplib::Request&, httplib::Response& res) {
        res.set_content(metrics_text(context_), "text/plain; version=0.0.4");
    });
    s.Get("/punches", [this](const httplib::Request& req, httplib::Response& res) {
        const std::string format = req.has_param("format") ? req.get_param_value("format") : "csv";
        std::string body, error;
        if (!punches_text(context_, req.get_param_value("since"), format, req.get_param_value("limit"), body, error)) {
            res.status = kBadRequest;
            res.set_content(error + "\n", "text/plain");
            return;
        }
        res.set_content(body, format == "csv" ? "text/csv" : "application/x-ndjson");
    });
}

int StatusServer::start(const std::string& host, int port) {
    const int bound = port == 0 ? server_->bind_to_any_port(host) : (server_->bind_to_port(host, port) ? port : -1);
    if (bound < 0) return -1;
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    return bound;
}

void StatusServer::stop() {
    if (!thread_.joinable()) return;
    server_->stop();
    thread_.join();
}

}  // namespace collector
