// Every exported operation runs through one of these: the process-wide
// recursive lock keeps the facade's state to one host thread at a time (a
// window procedure dispatched while an exchange waits may still call in on
// the same thread; an exchange lets the lock go while it waits for its
// terminal), the turns with terminals the operation took end with it, and
// the catch-all keeps exceptions inside the library.
#pragma once
#include <cstdint>
#include "api/facade.h"
#include "comm/terminal_turns.h"
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
    const turns::TurnScope turns;
    try {
        return body(facade());
    } catch (...) {
        return on_error;
    }
}

template <class Body>
void guarded_void(Body&& body) noexcept {
    platform::ProcessLockGuard lock;
    const turns::TurnScope turns;
    try {
        body(facade());
    } catch (...) {
    }
}

}  // namespace varanda
