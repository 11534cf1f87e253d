// Steps handed to the main thread by other threads. The main thread runs them from whatever
// message loop it is in; the backend is woken to do so.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

namespace kelvaro {

class TaskQueue {
  public:
    using Task = std::function<void()>;
    using Waker = std::function<void()>;

    // Called after each push, on the pushing thread; the backend wakes its loop with it. Set
    // before any other thread pushes.
    void SetWaker(Waker waker);
    void Push(Task task);
    // Runs the tasks that are queued now, on the calling (main) thread. Returns how many ran.
    int RunPending();
    // Waits until a task is queued or the deadline passes, then runs what is queued.
    int WaitAndRun(std::chrono::steady_clock::time_point deadline);

  private:
    std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<Task> tasks_;
    std::atomic<std::size_t> queuedCount_{0};
    Waker waker_;
};

}  // namespace kelvaro
