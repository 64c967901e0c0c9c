// corvo-sim's control lines: any text, one line after another on one bank.
// Every line gets one line of answer, and the bank stays usable.
#include <string>

#include "fuzz_check.h"
#include "sim/bank.h"
#include "sim/control.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    corvo::sim::TerminalBank bank(3);
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t at = 0;
    for (int n = 0; n < 32 && at <= text.size(); ++n) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const auto r = corvo::sim::control_command(bank, text.substr(at, end - at));
        FUZZ_CHECK(!r.reply.empty() && r.reply.find('\n') == std::string::npos);
        at = end + 1;
    }
    return 0;
}
