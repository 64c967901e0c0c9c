// The status server's pages, built from the store and the counters.
#include <nlohmann/json.hpp>

#include <regex>

#include "log.h"
#include "status_server.h"

namespace collector {

namespace {

constexpr int64_t kDefaultLimit = 10000, kMaxLimit = 100000;

std::string escape_html(const std::string& s) {
    std::string out;
    for (char ch : s) {
        switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += ch;
        }
    }
    return out;
}

std::string today() { return utc_now_text().substr(0, 10); }

nlohmann::json terminal_json(const TerminalStatus& t) {
    return {{"terminal", t.terminal},         {"last_success", t.last_success}, {"last_failure", t.last_failure},
            {"last_error", t.last_error},     {"punches_today", t.punches_today}, {"punches", t.punches},
            {"successes", t.successes},       {"failures", t.failures},       {"lease_holder", t.lease_holder},
            {"lease_expires", t.lease_expires}};
}

// A CSV field, quoted when it must be.
std::string csv_field(const std::string& s) {
    if (s.find_first_of(",\"\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char ch : s) q += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return q + "\"";
}

}  // namespace

std::string status_html(const StatusContext& c) {
    std::string rows;
    for (const TerminalStatus& t : c.store.terminals(today())) {
        rows += "<tr><td>" + std::to_string(t.terminal) + "</td><td>" + escape_html(t.last_success) + "</td><td>" +
                std::to_string(t.punches_today) + "</td><td>" + escape_html(t.last_error) + "</td><td>" +
                escape_html(t.lease_holder) + "</td></tr>\n";
    }
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>varanda-collector " + escape_html(c.collector) +
           "</title></head>\n<body><h1>varanda-collector " + escape_html(c.collector) + "</h1>\n<p>Passes: " +
           std::to_string(c.metrics.passes.load()) + ", punches stored: " + std::to_string(c.metrics.punches_stored.load()) +
           "</p>\n<table border=\"1\">\n<tr><th>Terminal</th><th>Last collection</th><th>Punches today</th>"
           "<th>Last error</th><th>Lease holder</th></tr>\n" + rows + "</table>\n</body></html>\n";
}

std::string status_json(const StatusContext& c) {
    nlohmann::json terminals = nlohmann::json::array();
    for (const TerminalStatus& t : c.store.terminals(today())) terminals.push_back(terminal_json(t));
    const nlohmann::json doc = {{"collector", c.collector},
                                {"store", c.store.where()},
                                {"passes", c.metrics.passes.load()},
                                {"punches_stored", c.metrics.punches_stored.load()},
                                {"last_pass_ms", c.metrics.last_pass_ms.load()},
                                {"terminals", terminals}};
    return doc.dump() + "\n";
}

std::string metrics_text(const StatusContext& c) {
    const Metrics& m = c.metrics;
    std::string s;
    const auto metric = [&s](const char* name, const char* type, const char* help, const std::string& lines) {
        s += std::string("# HELP ") + name + " " + help + "\n# TYPE " + name + " " + type + "\n" + lines;
    };
    const auto one = [](const char* name, int64_t v) { return std::string(name) + " " + std::to_string(v) + "\n"; };
    metric("varanda_collector_punches_stored_total", "counter", "Punches committed to the store.",
           one("varanda_collector_punches_stored_total", m.punches_stored));
    metric("varanda_collector_commits_total", "counter", "Store transactions that carried punches.",
           one("varanda_collector_commits_total", m.commits));
    metric("varanda_collector_exchanges_total", "counter", "Exchanges with terminals.",
           one("varanda_collector_exchanges_total", m.exchanges));
    std::string failures;
    for (const auto& [kind, n] : m.failures())
        failures += "varanda_collector_failures_total{kind=\"" + kind + "\"} " + std::to_string(n) + "\n";
    metric("varanda_collector_failures_total", "counter", "Failures by kind.", failures);
    metric("varanda_collector_passes_total", "counter", "Collection passes finished.",
           one("varanda_collector_passes_total", m.passes));
    const int64_t ms = m.last_pass_ms;
    metric("varanda_collector_pass_duration_seconds", "gauge", "Duration of the last pass.",
           ms < 0 ? std::string() : "varanda_collector_pass_duration_seconds " + std::to_string(ms / 1000.0) + "\n");
    return s;
}

bool punches_text(const StatusContext& c, const std::string& since, const std::string& format, const std::string& limit,
                  std::string& body, std::string& error) {
    static const std::regex kId("^[0-9]{1,18}$");
    static const std::regex kTime(R"(^[0-9]{4}-[0-9]{2}-[0-9]{2}(T[0-9]{2}:[0-9]{2}(:[0-9]{2})?Z?)?$)");
    if (format != "csv" && format != "jsonl") return error = "format: csv or jsonl", false;
    int64_t n = kDefaultLimit;
    if (!limit.empty()) {
        if (!std::regex_match(limit, kId) || (n = std::stoll(limit)) < 1 || n > kMaxLimit)
            return error = "limit: a number 1.." + std::to_string(kMaxLimit), false;
    }
    std::optional<int64_t> after;
    if (since.empty() || std::regex_match(since, kId)) {
        after = since.empty() ? 0 : std::stoll(since);
    } else if (!std::regex_match(since, kTime)) {
        return error = "since: a punch id, a date (2026-12-07) or a UTC time (2026-12-07T08:00:00Z)", false;
    }
    const bool csv = format == "csv";
    body = csv ? "id,terminal,type,date,time,card,collected_at\n" : "";
    for (const auto& [id, p] : c.store.punches_since(after, since, n)) {
        if (csv) {
            body += std::to_string(id) + "," + std::to_string(p.terminal) + "," + std::to_string(p.type) + "," + p.date +
                    "," + p.time + "," + csv_field(p.card) + "," + p.collected_at + "\n";
        } else {
            body += nlohmann::json{{"id", id}, {"terminal", p.terminal}, {"type", p.type}, {"date", p.date},
                                   {"time", p.time}, {"card", p.card}, {"collected_at", p.collected_at}}.dump() + "\n";
        }
    }
    return true;
}

}  // namespace collector
