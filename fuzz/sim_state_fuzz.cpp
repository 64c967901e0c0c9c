// corvo-sim's state file loader: any file. A file refused changes nothing; a
// file accepted saves and loads again to the same state.
#include <unistd.h>

#include <fstream>
#include <string>

#include "fuzz_check.h"
#include "link/server.h"
#include "sim/bank.h"
#include "sim/state_file.h"

namespace {
std::string read_all(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/corvo-sim-state-fuzz." + std::to_string(getpid());
    {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    corvo::sim::TerminalBank bank(5);
    corvo::link::Endpoint endpoint(bank);
    std::string error;
    if (!corvo::sim::load_state(path, bank, endpoint, error)) {
        FUZZ_CHECK(!error.empty() && bank.terminals().empty() && endpoint.memory().empty());
        return 0;
    }
    FUZZ_CHECK(corvo::sim::save_state(path, bank, endpoint));
    const std::string saved = read_all(path);
    corvo::sim::TerminalBank again(5);
    corvo::link::Endpoint again_endpoint(again);
    FUZZ_CHECK(corvo::sim::load_state(path, again, again_endpoint, error));
    FUZZ_CHECK(corvo::sim::save_state(path, again, again_endpoint));
    FUZZ_CHECK(read_all(path) == saved);
    return 0;
}
