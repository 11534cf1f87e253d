#include "platform/thread.h"

#include <chrono>
#include <exception>
#include <memory>

#include "platform/application.h"
#include "platform/done_signal.h"
#include "platform/watch.h"

namespace kelvaro {

// Shared with the step's task, so that the main thread may still be signalling when this thread
// has seen the flag, returned, and freed itself.
struct Thread::Handoff {
    DoneSignal done;
    std::exception_ptr error;
};

Thread::Thread(Application& application, bool createSuspended)
    : application_(application), handoff_(std::make_shared<Handoff>()) {
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
    // The last step's task has run to its end on the main thread before this one can run there.
    const std::shared_ptr<Handoff> handoff = handoff_;
    handoff->done.Reset();
    handoff->error = nullptr;
    application_.MainThreadQueue().Push([handoff, &step] {
        try {
            step();
        } catch (...) {
            handoff->error = std::current_exception();
        }
        handoff->done.Raise();
    });
    // Most steps take a few microseconds: watch for the end awake before going to sleep.
    if (!WatchFor([&handoff] { return handoff->done.Raised(); }, std::chrono::microseconds(200))) {
        handoff->done.Wait();
    }
    if (handoff->error) {
        std::rethrow_exception(handoff->error);
    }
}

}  // namespace kelvaro
