#include "api/facade.h"

namespace varanda {

ApiFacade::ApiFacade() : connection_(std::make_unique<ConnectionManager>()) {}

// The port is not closed here: closing is the host's call. The connection
// manager destroys its transport without calling the back end's close.
ApiFacade::~ApiFacade() = default;

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
