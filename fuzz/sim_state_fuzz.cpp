// corvo-sim's state file loader: any file. A file refused changes nothing; a
// file accepted is written afresh (compacted) and loads again to the same
// state, whose file is the same again.
#include <unistd.h>

#include <fstream>
#include <string>

#include "fuzz_check.h"
#include "link/server.h"
#include "sim/bank.h"
#include "sim/state_file.h"
#include "sim/state_journal.h"

namespace {
std::string read_all(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Loads `path` into a new bank and writes it afresh; the file it wrote.
bool load_and_compact(const std::string& path, std::string& written) {
    corvo::sim::TerminalBank bank(5);
    corvo::link::Endpoint endpoint(bank);
    std::string error;
    if (!corvo::sim::load_state(path, bank, endpoint, corvo::sim::StateLimits{}, error)) {
        FUZZ_CHECK(!error.empty() && bank.terminals().empty() && endpoint.memory().empty());
        return false;
    }
    corvo::sim::StateJournal journal(bank, endpoint);
    FUZZ_CHECK(journal.start(path, error));
    written = read_all(path);
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/corvo-sim-state-fuzz." + std::to_string(getpid());
    {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::string first, second;
    if (!load_and_compact(path, first)) return 0;
    FUZZ_CHECK(load_and_compact(path, second));
    FUZZ_CHECK(first == second);
    return 0;
}
