#include "link/settings.h"

#include <cstdlib>

namespace corvo::link {

namespace {
// The variable's value when it is a whole number in [low, high].
bool env_int(const char* name, long low, long high, int& out) {
    const char* v = std::getenv(name);
    if (v == nullptr || *v == '\0') return false;
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    if (end == v || *end != '\0' || n < low || n > high) return false;
    out = static_cast<int>(n);
    return true;
}
}  // namespace

Settings Settings::from_environment() {
    Settings s;
    env_int("CORVO_LINK_TIMEOUT_MS", 1, 60000, s.timeout_ms);
    env_int("CORVO_LINK_RETRIES", 0, 20, s.retries);
    return s;
}

}  // namespace corvo::link
