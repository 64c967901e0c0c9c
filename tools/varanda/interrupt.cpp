#include "interrupt.h"

#include <csignal>

namespace vtool {

namespace {
volatile std::sig_atomic_t g_interrupted = 0;
extern "C" void on_interrupt(int) { g_interrupted = 1; }
}  // namespace

void catch_interrupt() {
    std::signal(SIGINT, on_interrupt);
    std::signal(SIGTERM, on_interrupt);
}

bool interrupted() { return g_interrupted != 0; }

}  // namespace vtool
