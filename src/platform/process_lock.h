// One recursive lock for the whole process. Every export holds it while it
// reads or changes the facade's state, so that calls from several host
// threads see that state one at a time, while a window procedure that an
// exchange dispatches may call in again on the same thread. A thread lets it
// go while it waits for a terminal (ProcessLockRelease), so that exchanges
// with other terminals go on meanwhile.
#pragma once

namespace varanda::platform {

void process_lock();
void process_unlock();

// Taking and leaving one level, counted per thread.
void process_lock_level();
void process_unlock_level();
// Leaves every level the calling thread holds and answers how many; takes
// that many back.
int process_release_all();
void process_reacquire(int levels);

class ProcessLockGuard {
public:
    ProcessLockGuard() { process_lock_level(); }
    ~ProcessLockGuard() { process_unlock_level(); }
    ProcessLockGuard(const ProcessLockGuard&) = delete;
    ProcessLockGuard& operator=(const ProcessLockGuard&) = delete;
};

// For the length of a wait: the calling thread holds no level of the lock
// (none to leave when it held none), and holds them all again afterwards.
class ProcessLockRelease {
public:
    ProcessLockRelease() : levels_(process_release_all()) {}
    ~ProcessLockRelease() { process_reacquire(levels_); }
    ProcessLockRelease(const ProcessLockRelease&) = delete;
    ProcessLockRelease& operator=(const ProcessLockRelease&) = delete;

private:
    int levels_;
};

}  // namespace varanda::platform
