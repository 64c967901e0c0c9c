// Time-out and retries of one exchange on the link.
#pragma once

namespace corvo::link {

struct Settings {
    int timeout_ms = 1000;  // waiting for one answer, per attempt
    int retries = 3;        // further attempts after the first

    // The defaults, changed by CORVO_LINK_TIMEOUT_MS (1..60000) and
    // CORVO_LINK_RETRIES (0..20) where they hold a valid number.
    static Settings from_environment();
};

}  // namespace corvo::link
