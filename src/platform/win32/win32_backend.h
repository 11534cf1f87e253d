// The Win32 backend: real windows for the model's forms and controls, an equal peer of the
// headless backend. It implements
//   - Realize / FormDestroying: one window per control, each with a peer that mirrors the model
//     (win32_backend.cpp, form_window.cpp and the *_controls.cpp files);
//   - RunModal / RunMessageLoop / Quit: the message loops, which move focus in the model's tab
//     order, hand the other keys to the dialog manager, and run the steps queued for the main
//     thread without starving painting or input (message_loop_win32.cpp);
//   - MessageBox, ShowPopupMenu, TitleChanged, MouseScreenPosition (win32_backend.cpp,
//     menus_win32.cpp); the mouse over controls (mouse_win32.cpp);
//   - the system services: GetShell, GetRegistry, GetClipboard (shell_win32.cpp,
//     registry_win32.cpp, clipboard_win32.cpp);
//   - for tests: WindowOf, WhenShown, AnswerMessages, SetModalDeadline, Post.
#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/backend.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/fonts_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/win32_api.h"

namespace kelvaro {

class Application;
class Control;
class Form;
class FormPeer;
class TaskQueue;
class WindowPeer;

// A message box the backend answered itself (see AnswerMessages).
struct AnsweredMessage {
    std::string text;
    std::string caption;
    unsigned flags = 0;
};

class Win32Backend : public Backend {
  public:
    using FormScript = std::function<void(Form& form)>;
    using Answerer = std::function<int(const AnsweredMessage& message)>;
    using Step = std::function<void()>;

    // Registers the window classes and makes the message-only window of the main thread; the
    // thread that makes the backend is the main thread.
    explicit Win32Backend(HINSTANCE instance = nullptr);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void Realize(Form& form) override;
    void FormDestroying(Form& form) override;
    void RunModal(Form& form) override;
    void RunMessageLoop(Application& application) override;
    void Quit() override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void ShowPopupMenu(PopupMenu& menu, int screenX, int screenY) override;
    void TitleChanged(const std::string& title) override { title_ = title; }
    Shell& GetShell() override { return shell_; }
    Registry& GetRegistry() override { return registry_; }
    Clipboard& GetClipboard() override { return clipboard_; }
    void MouseScreenPosition(int& x, int& y) override;

    // The window that shows the control (the edit part of a spin box), or nullptr.
    HWND WindowOf(const Control& control) const;
    // A script run from the form's modal loop once the form is up.
    void WhenShown(const std::string& formName, FormScript script);
    // Answers message boxes without showing them, and records them; for tests.
    void AnswerMessages(Answerer answerer) { answerer_ = std::move(answerer); }
    const std::vector<AnsweredMessage>& AnsweredMessages() const { return answered_; }
    // A modal form still open after this long is hidden and RunModal throws, and the program's
    // loop throws when it runs longer; for tests. Zero: no limit.
    void SetModalDeadline(std::chrono::milliseconds deadline) { modalDeadline_ = deadline; }
    const std::string& Title() const { return title_; }
    // Runs the step on the main thread from whatever loop runs, after the messages queued now.
    void Post(Step step);

    // For the peers.
    HINSTANCE Instance() const { return instance_; }
    FontCache& Fonts() { return fonts_; }
    void Register(HWND window, WindowPeer* peer);
    void Unregister(HWND window);
    // While steps stream in, a peer may leave its new text to the end of the burst: true if the
    // backend took it, to tell the peer its text changed then. A peer that goes is forgotten.
    bool DeferText(WindowPeer& peer);
    void ForgetDeferredText(WindowPeer& peer);
    // The peer of the window, or of its nearest ancestor that has one.
    WindowPeer* PeerOf(HWND window) const;
    FormPeer* MainFormPeer() const;
    const std::vector<FormPeer*>& FormPeers() const { return forms_; }
    void FormWindowCreated(FormPeer& form);
    void FormWindowGone(FormPeer& form);
    // A modal form is being shown: the other forms are disabled until EndModal.
    void BeginModal(FormPeer& form);
    // Enables what BeginModal disabled; returns the window that was active before, if any.
    HWND EndModal(FormPeer& form);

    // Runs a window procedure's work; an exception is carried out of the Windows frames and
    // rethrown by the message loop after DispatchMessage returns.
    template <class Work>
    LRESULT Shielded(Work&& work) {
        try {
            return work();
        } catch (...) {
            if (!escaped_) {
                escaped_ = std::current_exception();
            }
            return 0;
        }
    }
    // The message-only window's procedure body.
    LRESULT OnServiceMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static constexpr UINT kWakeMessage = WM_APP + 1;    // steps wait in the main-thread queue
    static constexpr UINT kPostedMessage = WM_APP + 2;  // the next step of Post
    static constexpr UINT_PTR kDeferTimer = 1;          // deferred steps run at the latest then

    enum class PumpEnd { Done, Quit, TimedOut };

    struct ModalRecord {
        FormPeer* form = nullptr;
        std::vector<HWND> disabled;
        HWND previousActive = nullptr;
    };

    // The backend serves one application's main-thread queue at a time: from the first window
    // or loop of the application until its last window goes.
    void Attach(Application& application);
    void Detach();
    void Wake();
    void OnWake();
    void RunSteps();
    // Shows the texts deferred while steps ran.
    void ShowDeferredTexts();
    // The input and painting in the queue (QS_ flags); notes when painting was last up to date.
    DWORD PendingInputAndPaint();
    bool InputOrPaintPending();
    // Whether the steps must let the queue go first: input is pending, or painting has been
    // pending for a frame.
    bool StepsMustWait();
    // While steps stream in, painting waits until then: a frame after the last steps ran or
    // after painting was last up to date, whichever comes first.
    std::chrono::steady_clock::time_point PaintHeldUntil() const;
    void RunPostedStep();
    void Defer();
    // Pumps messages until done() holds, a quit message arrives or the deadline passes.
    PumpEnd Pump(const std::function<bool()>& done, std::chrono::steady_clock::time_point deadline);
    void Dispatch(MSG& message);
    bool PreTranslate(MSG& message);
    bool HandleTabKey(const MSG& message);
    void RethrowEscaped();
    HWND MessageBoxOwner() const;

    HINSTANCE instance_;
    HWND service_ = nullptr;  // message-only window of the main thread
    FontCache fonts_;
    Win32Shell shell_{[this](const Control& control) { return WindowOf(control); }};
    Win32Registry registry_;
    Win32Clipboard clipboard_{[this] { return service_; }};
    std::unordered_map<HWND, WindowPeer*> peers_;
    bool runningSteps_ = false;
    std::vector<WindowPeer*> deferredTexts_;
    std::vector<FormPeer*> forms_;
    std::vector<ModalRecord> modals_;
    std::map<std::string, FormScript> shownScripts_;
    Answerer answerer_;
    std::vector<AnsweredMessage> answered_;
    std::chrono::milliseconds modalDeadline_{0};
    std::string title_;

    Application* application_ = nullptr;
    TaskQueue* queue_ = nullptr;
    std::atomic<bool> wakePosted_{false};
    bool deferred_ = false;
    std::chrono::steady_clock::time_point paintedAt_{};  // painting was last up to date
    std::chrono::steady_clock::time_point stepsAt_{};    // steps last ran
    int quitCode_ = 0;
    std::deque<Step> posted_;
    std::exception_ptr escaped_;
};

}  // namespace kelvaro
