// One recursive lock for the whole process. Every export holds it while it
// runs, so calls from several host threads are served one at a time, while a
// window procedure that an exchange dispatches may call in again on the same
// thread.
#pragma once

namespace varanda::platform {

void process_lock();
void process_unlock();

class ProcessLockGuard {
public:
    ProcessLockGuard() { process_lock(); }
    ~ProcessLockGuard() { process_unlock(); }
    ProcessLockGuard(const ProcessLockGuard&) = delete;
    ProcessLockGuard& operator=(const ProcessLockGuard&) = delete;
};

}  // namespace varanda::platform
