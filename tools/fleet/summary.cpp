#include <cstdio>
#include <string>

#include "runner.h"

namespace fleet {

namespace {

std::string json_text(const std::string& s) {
    std::string q = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            q += '\\';
            q += static_cast<char>(c);
        } else if (c < 0x20) {
            char u[8];
            std::snprintf(u, sizeof u, "\\u%04x", c);
            q += u;
        } else {
            q += static_cast<char>(c);
        }
    }
    return q + "\"";
}

}  // namespace

void print_summary(const std::vector<Outcome>& outcomes, const std::string& program, bool json) {
    long counts[4] = {};
    Output out;
    for (const Outcome& o : outcomes) {
        ++counts[static_cast<int>(o.status)];
        if (json) {
            out.line("{\"terminal\":" + std::to_string(o.terminal) + ",\"summary\":\"" + status_name(o.status) + "\"" +
                     (o.detail.empty() ? std::string() : ",\"detail\":" + json_text(o.detail)) + "}");
        } else if (o.status != Outcome::Status::ok) {
            out.error(program + ": terminal " + std::to_string(o.terminal) + ": " + status_name(o.status) +
                      (o.detail.empty() ? std::string() : ": " + o.detail));
        }
    }
    std::string total = program + ": " + std::to_string(outcomes.size()) + " terminals: " + std::to_string(counts[0]) +
                        " ok";
    for (int s = 1; s < 4; ++s)
        if (counts[s] > 0) total += ", " + std::to_string(counts[s]) + " " + status_name(static_cast<Outcome::Status>(s));
    out.error(total);
    out.flush();
}

}  // namespace fleet
