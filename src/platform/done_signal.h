// A flag that one thread raises once and another waits for: the end of a step that a worker
// handed to the main thread. Raising it wakes a waiter that has gone to sleep without leaving the
// process: on Windows the condition variables of the C++ library wake through kernel objects,
// which under some systems costs more than a short step itself.
#pragma once

#include <atomic>
#include <cstdint>

#if !defined(_WIN32)
#include <condition_variable>
#include <mutex>
#endif

namespace kelvaro {

class DoneSignal {
  public:
    // Lowers the flag before the next step is handed over: only once the last raise has been
    // seen, so that a raise still finishing can at most wake no one.
    void Reset() { raised_.store(0, std::memory_order_relaxed); }
    bool Raised() const { return raised_.load(std::memory_order_acquire) != 0; }
    // Raises the flag and wakes the waiter. What the raising thread wrote before is seen by the
    // thread that finds the flag raised.
    void Raise();
    // Returns once the flag is raised.
    void Wait();

  private:
    std::atomic<std::uint32_t> raised_{0};
#if !defined(_WIN32)
    std::mutex mutex_;
    std::condition_variable raisedSignal_;
#endif
};

}  // namespace kelvaro
