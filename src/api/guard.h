// Every exported operation runs through one of these: the process-wide
// recursive lock serialises callers from several host threads (a window
// procedure dispatched while an exchange waits may still call in on the same
// thread), and the catch-all keeps exceptions inside the library.
#pragma once
#include <cstdint>
#include "api/facade.h"
#include "platform/process_lock.h"

#if defined(_WIN32)
#  define VARANDA_EXPORT
#else
#  define VARANDA_EXPORT __attribute__((visibility("default")))
#endif

namespace varanda {

template <class R, class Body>
R guarded(R on_error, Body&& body) noexcept {
    platform::ProcessLockGuard lock;
    try {
        return body(facade());
    } catch (...) {
        return on_error;
    }
}

template <class Body>
void guarded_void(Body&& body) noexcept {
    platform::ProcessLockGuard lock;
    try {
        body(facade());
    } catch (...) {
    }
}

}  // namespace varanda
