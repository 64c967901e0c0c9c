#if !defined(_WIN32)
#include "sim_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace e2e {

pid_t spawn(const std::vector<std::string>& args, const std::string& out, const std::string& err,
            const std::map<std::string, std::string>& env) {
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (!out.empty() && std::freopen(out.c_str(), "wb", stdout) == nullptr) _exit(126);
    if (!err.empty() && std::freopen(err.c_str(), "wb", stderr) == nullptr) _exit(126);
    for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

int wait_for(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool SimProcess::start(const std::vector<std::string>& options, int link, int control) {
    const char* bin = std::getenv("CORVO_SIM_BIN");
    if (bin == nullptr || *bin == '\0') return false;
    const std::string ports = dir_ + "/ports";
    std::remove(ports.c_str());
    std::vector<std::string> args = {bin, "--port-file", ports, "--lifetime", "600", "--port", std::to_string(link),
                                     "--control-port", std::to_string(control)};
    args.insert(args.end(), options.begin(), options.end());
    pid_ = spawn(args, dir_ + "/sim.out", dir_ + "/sim.err");
    return pid_ > 0 && wait_port_file(ports, 1000, link_, control_) && control_sim_.connect(control_);
}

void SimProcess::stop(int signal) {
    if (pid_ <= 0) return;
    kill(pid_, signal);
    wait_for(pid_);
    pid_ = -1;
}

}  // namespace e2e
#endif
