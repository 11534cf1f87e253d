// The application object: its forms, its message loop, message boxes and the exception display.
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/task_queue.h"

namespace kelvaro {

class Application {
  public:
    using Handler = std::function<void(Application& sender)>;

    explicit Application(Backend& backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& GetBackend() const { return backend_; }
    TaskQueue& MainThreadQueue() { return queue_; }
    bool IsMainThread() const { return std::this_thread::get_id() == mainThread_; }

    // The file services every run goes through; the system's own unless replaced.
    FileSystem& Files() const { return *files_; }
    void SetFiles(FileSystem& files) { files_ = &files; }

    // Worker threads report their start and end; the application outlives them all.
    void ThreadStarted() { ++liveThreads_; }
    void ThreadEnded() { --liveThreads_; }
    int LiveThreads() const { return liveThreads_.load(); }
    // Runs the steps the live threads hand to the main thread until every one has ended.
    void WaitForThreads();

    void Initialize();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& helpFile) { helpFile_ = helpFile; }

    // Creates a form owned by the application and stores it in its instance variable; the
    // first form created becomes the main form.
    template <class T>
    void CreateForm(T*& instance) {
        auto form = std::make_unique<T>(*this);
        instance = form.get();
        if (mainForm_ == nullptr) {
            mainForm_ = instance;
        }
        forms_.push_back(std::move(form));
    }
    Form* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until it closes.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // Shows an exception's message in a message box; the program goes on.
    void ShowException(const std::exception& error);
    // Runs an event handler as the message loop does: an exception that escapes it is shown.
    void Guard(const std::function<void()>& handler);

    Handler OnMinimize;
    Handler OnRestore;
    // The user minimises or restores the program.
    void Minimize();
    void Restore();

  private:
    Backend& backend_;
    TaskQueue queue_;
    std::thread::id mainThread_ = std::this_thread::get_id();
    FileSystem* files_ = &SystemFileSystem();
    std::atomic<int> liveThreads_{0};
    std::string title_;
    std::string helpFile_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
};

}  // namespace kelvaro
