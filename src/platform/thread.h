// A worker thread in the manner of the GUI library: created suspended or started at once, told
// to terminate through a flag it reads itself, and able to run a step on the main thread and
// wait for it (Synchronize). A thread that frees itself on terminate deletes itself when its
// Execute returns. The application waits for its live threads before it goes.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace kelvaro {

class Application;

class Thread {
  public:
    Thread(Application& application, bool createSuspended);
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts a thread created suspended; once only.
    void Start();
    // Asks the thread to end; Execute looks at Terminated when it sees fit.
    void Terminate() { terminated_.store(true); }
    bool Terminated() const { return terminated_.load(); }
    void SetFreeOnTerminate(bool free) { freeOnTerminate_ = free; }

  protected:
    virtual void Execute() = 0;
    // Runs the step on the main thread and waits until it has run. An exception that escapes the
    // step is thrown again here, on this thread.
    void Synchronize(const std::function<void()>& step);
    Application& App() const { return application_; }

  private:
    static void Body(Thread* self);


    Application& application_;
    // What a step hands back to the thread that waits for it. One serves every step of the
    // thread: making a mutex and a condition variable for each would cost more, on some systems,
    // than a short step itself.
    struct Handoff;
    std::shared_ptr<Handoff> handoff_;
    std::thread thread_;
    std::atomic<bool> terminated_{false};
    bool freeOnTerminate_ = false;
    bool started_ = false;
};

}  // namespace kelvaro
