#include "platform/task_queue.h"

#include "platform/watch.h"

#include <thread>

namespace kelvaro {

namespace {

// How long the main thread watches for the next step before it goes to sleep. A worker hands
// over its next step a few microseconds after the last one returned; catching it awake spares
// both threads a sleep and a wake-up on every number of a run.
constexpr auto kWatchBeforeSleeping = std::chrono::microseconds(200);

}  // namespace

void TaskQueue::SetWaker(Waker waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

void TaskQueue::Push(Task task) {
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        queuedCount_.store(tasks_.size(), std::memory_order_release);
        wake = static_cast<bool>(waker_);
    }
    queued_.notify_one();
    if (wake) {
        waker_();
    }
}

int TaskQueue::RunPending() {
    std::deque<Task> ready;
    {
        std::lock_guard lock(mutex_);
        ready.swap(tasks_);
        queuedCount_.store(0, std::memory_order_release);
    }
    int ran = 0;
    for (Task& task : ready) {
        task();
        ++ran;
    }
    return ran;
}

int TaskQueue::WaitAndRun(std::chrono::steady_clock::time_point deadline) {
    const auto budget = std::min<std::chrono::steady_clock::duration>(
        kWatchBeforeSleeping,
        std::max<std::chrono::steady_clock::duration>(deadline - std::chrono::steady_clock::now(),
                                                      std::chrono::steady_clock::duration::zero()));
    WatchFor([this] { return queuedCount_.load(std::memory_order_acquire) != 0; },
             std::chrono::duration_cast<std::chrono::microseconds>(budget));
    if (queuedCount_.load(std::memory_order_acquire) == 0) {
        std::unique_lock lock(mutex_);
        queued_.wait_until(lock, deadline, [this] { return !tasks_.empty(); });
    }
    return RunPending();
}

}  // namespace kelvaro
