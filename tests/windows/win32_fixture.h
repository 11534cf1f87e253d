// The fixture of the Windows scenario tests: a Win32 backend with real windows, an application on
// it, and small forms built from layouts. Message boxes are answered and recorded, and a modal
// form or program loop left open fails the test instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/application.h"
#include "platform/layout.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_peer.h"

namespace kelvaro {

// Guards a wait in a loop the backend does not own (a message box's, a menu's), which has no
// deadline of its own: if the guard is still alive after the deadline, it runs the rescue on its
// own thread to end the wait, and the test fails.
class Watchdog {
  public:
    explicit Watchdog(std::function<void()> rescue,
                      std::chrono::seconds deadline = std::chrono::seconds(20))
        : thread_([this, rescue = std::move(rescue), deadline] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, deadline, [this] { return finished_; })) {
                  fired_ = true;
                  rescue();
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        thread_.join();
        EXPECT_FALSE(fired_) << "a loop was still waiting at the deadline";
    }

  private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    bool fired_ = false;
    std::thread thread_;
};

// Closes the message boxes of a thread, as their OK buttons do.
inline void CloseMessageBoxes(DWORD thread) {
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770") {
                PostMessageW(window, WM_COMMAND, IDOK, 0);
            }
            return TRUE;
        },
        0);
}

class Win32Test : public ::testing::Test {
  protected:
    Win32Test() {
        backend.SetModalDeadline(std::chrono::seconds(20));
        backend.AnswerMessages([](const AnsweredMessage&) { return kIdOk; });
    }

    // A form that is not the application's main form: closing it only hides it.
    std::unique_ptr<Form> Make(const FormLayout& layout) {
        auto form = std::make_unique<Form>(application, layout.name);
        BuildForm(*form, layout, {});
        return form;
    }

    HWND Window(const Control& control) const { return backend.WindowOf(control); }

    std::string TextOf(HWND window) const {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        return Narrow(text);
    }

    RECT ClientRectIn(HWND window, HWND parent) const {
        RECT rect;
        GetWindowRect(window, &rect);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    int Scaled(int pixels, HWND window) const {
        return MulDiv(pixels, static_cast<int>(GetDpiForWindow(window)), 96);
    }

    Win32Backend backend;
    Application application{backend};
};

}  // namespace kelvaro
