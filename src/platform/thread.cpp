#include "platform/thread.h"

#include <condition_variable>
#include <exception>
#include <mutex>

#include "platform/application.h"

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
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::exception_ptr error;
    application_.MainThreadQueue().Push([&] {
        try {
            step();
        } catch (...) {
            error = std::current_exception();
        }
        // Notified under the lock: the waiter may return and destroy both the moment it sees
        // the flag.
        std::lock_guard lock(mutex);
        finished = true;
        done.notify_one();
    });
    std::unique_lock lock(mutex);
    done.wait(lock, [&] { return finished; });
    if (error) {
        std::rethrow_exception(error);
    }
}

}  // namespace kelvaro
