#include "platform/thread.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>

#include "platform/application.h"
#include "platform/watch.h"

namespace kelvaro {

Thread::Thread(Application& application, bool createSuspended) : application_(application) {
    if (!createSuspended) {
        Start();
    }
}

Thread::~Thread() {
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id()) {
            thread_.detach();  // freeing itself at the end of its own run
        } else {
            thread_.join();
        }
    }
}

void Thread::Start() {
    if (started_) {
        return;
    }
    started_ = true;
    application_.ThreadStarted();
    thread_ = std::thread(&Thread::Body, this);
}

void Thread::Body(Thread* self) {
    Application& application = self->application_;
    try {
        self->Execute();
    } catch (...) {
        // A thread's run has no one to report to; Execute reports what it can itself.
    }
    if (self->freeOnTerminate_) {
        delete self;
    }
    // Last: once the count reaches zero the application may go.
    application.ThreadEnded();
}

void Thread::Synchronize(const std::function<void()>& step) {
    if (application_.IsMainThread()) {
        step();
        return;
    }
    // Shared with the task, so that the main thread may still be signalling when this thread
    // has seen the flag and returned.
    struct Handoff {
        std::atomic<bool> done{false};
        std::exception_ptr error;
        std::mutex mutex;
        std::condition_variable signal;
    };
    auto handoff = std::make_shared<Handoff>();
    application_.MainThreadQueue().Push([handoff, &step] {
        try {
            step();
        } catch (...) {
            handoff->error = std::current_exception();
        }
        std::lock_guard lock(handoff->mutex);
        handoff->done.store(true, std::memory_order_release);
        handoff->signal.notify_one();
    });
    // Most steps take a few microseconds: watch for the end awake before going to sleep.
    const bool done = WatchFor([&handoff] { return handoff->done.load(std::memory_order_acquire); },
                               std::chrono::microseconds(200));
    if (!done) {
        std::unique_lock lock(handoff->mutex);
        handoff->signal.wait(lock,
                             [&handoff] { return handoff->done.load(std::memory_order_acquire); });
    }
    if (handoff->error) {
        std::rethrow_exception(handoff->error);
    }
}

}  // namespace kelvaro
