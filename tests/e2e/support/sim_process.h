// A corvo-sim of the test's own (POSIX): started with the options given on
// the ports given (0: any free one), its ports read from its port file, its
// control port connected; stopped with a signal. And the child processes the
// tests start beside it.
#pragma once
#if !defined(_WIN32)
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "sim_control.h"

namespace e2e {

// Starts `args` (args[0] the program) with standard output and error in the
// files given ("" keeps them) and the environment variables added.
pid_t spawn(const std::vector<std::string>& args, const std::string& out, const std::string& err,
            const std::map<std::string, std::string>& env = {});
// Its exit status, or 128 + the signal that ended it.
int wait_for(pid_t pid);

class SimProcess {
public:
    // `dir`: where its port file, standard output (sim.out) and error (sim.err) go.
    explicit SimProcess(std::string dir) : dir_(std::move(dir)) {}
    ~SimProcess() { stop(15); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The binary is CORVO_SIM_BIN; false when it did not come up.
    bool start(const std::vector<std::string>& options, int link = 0, int control = 0);
    void stop(int signal);
    int link() const { return link_; }
    int control() const { return control_; }
    SimControl& control_port() { return control_sim_; }
    JsonValue dump(int terminal) { return control_sim_.dump(terminal); }

private:
    std::string dir_;
    pid_t pid_ = -1;
    int link_ = 0, control_ = 0;
    SimControl control_sim_;
};

}  // namespace e2e
#endif
