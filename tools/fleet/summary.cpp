#include <cstdio>
#include <string>

#include "runner.h"
#include "text.h"

namespace fleet {

namespace {

// "1-5,7,9-200": the terminals as ranges, in the order given.
std::string ranges(const std::vector<int32_t>& t) {
    std::string out;
    for (std::size_t i = 0; i < t.size();) {
        std::size_t j = i;
        while (j + 1 < t.size() && t[j + 1] == t[j] + 1) ++j;
        if (!out.empty()) out += ',';
        out += std::to_string(t[i]);
        if (j > i) out += '-' + std::to_string(t[j]);
        i = j + 1;
    }
    return out;
}

}  // namespace

void print_summary(const std::vector<Outcome>& outcomes, const std::string& program, bool json) {
    std::vector<int32_t> by_status[4];
    Output out;
    for (const Outcome& o : outcomes) {
        by_status[static_cast<int>(o.status)].push_back(o.terminal);
        if (json) {
            out.line("{\"terminal\":" + std::to_string(o.terminal) + ",\"summary\":\"" + status_name(o.status) + "\"" +
                     (o.detail.empty() ? std::string() : ",\"detail\":" + json_text(o.detail)) + "}");
        } else if (o.status != Outcome::Status::ok) {
            out.error(program + ": terminal " + std::to_string(o.terminal) + ": " + status_name(o.status) +
                      (o.detail.empty() ? std::string() : ": " + o.detail));
        }
    }
    std::string total = program + ": " + std::to_string(outcomes.size()) + " terminals:";
    for (int s = 0; s < 4; ++s) {
        if (by_status[s].empty()) continue;
        total += (s > 0 && total.back() != ':' ? "; " : " ") + std::to_string(by_status[s].size()) + " " +
                 status_name(static_cast<Outcome::Status>(s)) + " (" + ranges(by_status[s]) + ")";
    }
    out.error(total);
    out.flush();
}

}  // namespace fleet
