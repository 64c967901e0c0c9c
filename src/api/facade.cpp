#include "api/facade.h"

namespace varanda {

ApiFacade::ApiFacade() : connection_(std::make_unique<ConnectionManager>()) {}

// The port is not closed here: closing is the host's call. The connection
// manager destroys its transport without calling the back end's close.
ApiFacade::~ApiFacade() = default;

SettingsView ApiFacade::settings() const {
    SettingsView v;
    v.card_pattern = card_pattern.value;
    v.card_digits = config.bytes[ConfigurationRecord::kCardDigits];
    v.old_terminal = protocol.old_terminal != 0;
    v.clock_seconds = protocol.clock_seconds != 0;
    v.use_215 = protocol.use_215 != 0;
    v.short_turnstile = protocol.short_turnstile != 0;
    return v;
}

namespace {
ApiFacade* g_facade = nullptr;
}

ApiFacade& facade() { return *g_facade; }

bool library_attach() {
    if (g_facade == nullptr) {
        try {
            g_facade = new ApiFacade();
        } catch (...) {
            return false;
        }
    }
    return true;
}

void library_detach() {
    ApiFacade* f = g_facade;
    g_facade = nullptr;
    try {
        delete f;
    } catch (...) {
    }
}

}  // namespace varanda
