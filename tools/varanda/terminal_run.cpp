#include "terminal_run.h"

#include <cstdarg>
#include <cstdio>

#include "text_file.h"

namespace vtool {

std::string strf(const char* format, ...) {
    va_list a, b;
    va_start(a, format);
    va_copy(b, a);
    const int n = std::vsnprintf(nullptr, 0, format, a);
    va_end(a);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, b);
    va_end(b);
    return out;
}

fleet::Outcome TerminalRun::ok(const std::string& text, const std::string& json) {
    if (s.options.json)
        out.line("{\"terminal\":" + std::to_string(t) + ",\"ok\":true" + (json.empty() ? "" : "," + json) + "}");
    else
        out.line("terminal " + std::to_string(t) + ": " + text);
    return fleet::Outcome::ok(t);
}

fleet::Outcome TerminalRun::fail(const std::string& what, uint8_t code, const char* operation) {
    return fail(what, s.explain(t, code, operation), code);
}

fleet::Outcome TerminalRun::fail(const std::string& what, const std::string& reason, int code) {
    out.error("varanda: " + what + ": terminal " + std::to_string(t) + ": " + reason);
    if (s.options.json)
        out.line("{\"terminal\":" + std::to_string(t) + ",\"ok\":false" +
                 (code >= 0 ? ",\"code\":" + std::to_string(code) : std::string()) + ",\"error\":" +
                 json_string(what + ": " + reason) + "}");
    return fleet::Outcome::failed(t, what + ": " + reason);
}

fleet::Outcome simple_result(TerminalRun& r, const std::string& what, uint8_t code) {
    return code == 0 ? r.ok(what + ": ok") : r.fail(what, code);
}

void run_all(Session& s, const std::string& what, const TerminalJob& job) {
    const auto outcomes = fleet::run_terminals(s.options.terminals, s.options.parallel,
                                               [&](int32_t t, fleet::Output& out) {
                                                   TerminalRun r(s, t, out);
                                                   return job(r);
                                               });
    for (const fleet::Outcome& o : outcomes)
        if (o.status != fleet::Outcome::Status::ok) s.count_failure();
    if (outcomes.size() > 1) fleet::print_summary(outcomes, "varanda: " + what, false);
}

}  // namespace vtool
