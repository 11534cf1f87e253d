#include "platform/application.h"

namespace kelvaro {

Application::Application(Backend& backend) : backend_(backend) {}

Application::~Application() {
    WaitForThreads();
    while (!forms_.empty()) {
        forms_.pop_back();
    }
}

void Application::WaitForThreads() {
    while (LiveThreads() > 0) {
        queue_.WaitAndRun(std::chrono::steady_clock::now() + std::chrono::milliseconds(10));
    }
}

void Application::Initialize() {
    terminated_ = false;
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    backend_.TitleChanged(title_);
}

void Application::Run() {
    if (mainForm_ == nullptr) {
        return;
    }
    mainForm_->Show();
    backend_.RunMessageLoop(*this);
}

void Application::Terminate() {
    if (!terminated_) {
        terminated_ = true;
        backend_.Quit();
    }
}

int Application::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return backend_.MessageBox(text, caption, flags);
}

void Application::ShowException(const std::exception& error) {
    MessageBox(error.what(), title_, kMbOk | kMbIconHand);
}

void Application::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

void Application::Minimize() {
    if (OnMinimize) {
        OnMinimize(*this);
    }
}

void Application::Restore() {
    if (OnRestore) {
        OnRestore(*this);
    }
}

}  // namespace kelvaro
