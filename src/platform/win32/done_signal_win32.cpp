// The done signal on Windows: the waiter sleeps on the flag's own address (WaitOnAddress), which
// the system wakes without a kernel object.
#include "platform/done_signal.h"

#include <windows.h>

namespace kelvaro {

void DoneSignal::Raise() {
    raised_.store(1, std::memory_order_release);
    WakeByAddressSingle(static_cast<void*>(&raised_));
}

void DoneSignal::Wait() {
    std::uint32_t lowered = 0;
    while (!Raised()) {
        WaitOnAddress(static_cast<volatile void*>(&raised_), &lowered, sizeof(lowered), INFINITE);
    }
}

}  // namespace kelvaro
