#include "platform/task_queue.h"

namespace kelvaro {

void TaskQueue::SetWaker(Waker waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

void TaskQueue::Push(Task task) {
    Waker waker;
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        waker = waker_;
    }
    queued_.notify_all();
    if (waker) {
        waker();
    }
}

int TaskQueue::RunPending() {
    std::deque<Task> ready;
    {
        std::lock_guard lock(mutex_);
        ready.swap(tasks_);
    }
    int ran = 0;
    for (Task& task : ready) {
        task();
        ++ran;
    }
    return ran;
}

int TaskQueue::WaitAndRun(std::chrono::steady_clock::time_point deadline) {
    {
        std::unique_lock lock(mutex_);
        queued_.wait_until(lock, deadline, [this] { return !tasks_.empty(); });
    }
    return RunPending();
}

}  // namespace kelvaro
