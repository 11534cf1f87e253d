// The done signal on POSIX systems: a mutex and a condition variable, which wake within the
// process there.
#include "platform/done_signal.h"

namespace kelvaro {

void DoneSignal::Raise() {
    std::lock_guard lock(mutex_);
    raised_.store(1, std::memory_order_release);
    raisedSignal_.notify_one();
}

void DoneSignal::Wait() {
    std::unique_lock lock(mutex_);
    raisedSignal_.wait(lock, [this] { return Raised(); });
}

}  // namespace kelvaro
