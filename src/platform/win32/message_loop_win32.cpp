// Implements Win32Backend's message loops and the main thread's steps: RunModal, RunMessageLoop,
// Quit, Post, the keyboard's way through a form (Tab in the model's tab order, the rest through
// IsDialogMessageW), and the wake of the message-only window for steps queued by other threads.
//
// A step queued by another thread posts a wake message. Posted messages come before input and
// painting, so a fast stream of steps would starve both: a wake that finds input pending, or
// painting that has waited for a frame, defers the steps until the queue has none (or a short
// timer fires, in loops that are not the backend's own, such as a message box's). Painting waits
// for at most a frame: a run that changes its progress window on every number paints it once a
// frame, not once a number. Once a step has run, the steps that follow it at once run in the same
// burst of a few milliseconds, and the label texts they set show at the end of the burst.
#include <algorithm>
#include <cwctype>

#include <stdexcept>

#include "platform/application.h"
#include "platform/form.h"
#include "platform/win32/form_window.h"
#include "platform/win32/win32_backend.h"

namespace kelvaro {

namespace {

using Clock = std::chrono::steady_clock;

// The longest a stream of steps keeps painting waiting: two refreshes of a 60 Hz display, still
// smooth to the eye, and half the painting of one refresh for a run that changes its progress
// window on every number.
constexpr auto kFrame = std::chrono::milliseconds(33);

// How long the main thread takes steps as they come before it looks at its messages again, and
// how long it waits for the next one meanwhile.
constexpr auto kStepBurst = std::chrono::milliseconds(15);
constexpr auto kNextStep = std::chrono::microseconds(100);

}  // namespace

void Win32Backend::Attach(Application& application) {
    if (application_ == &application) {
        return;
    }
    Detach();
    application_ = &application;
    queue_ = &application.MainThreadQueue();
    // A quit left over from an application before this one would end its loops at once.
    MSG stale;
    while (PeekMessageW(&stale, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    queue_->SetWaker([this] { Wake(); });
    Wake();  // for steps queued before
}

void Win32Backend::Detach() {
    if (queue_ != nullptr) {
        queue_->SetWaker(nullptr);
    }
    queue_ = nullptr;
    application_ = nullptr;
    deferred_ = false;
    KillTimer(service_, kDeferTimer);
}

void Win32Backend::Wake() {
    if (!wakePosted_.exchange(true)) {
        PostMessageW(service_, kWakeMessage, 0, 0);
    }
}

DWORD Win32Backend::PendingInputAndPaint() {
    const DWORD pending = HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT));
    if ((pending & QS_PAINT) == 0) {
        paintedAt_ = Clock::now();  // every window is painted up to date
    }
    return pending;
}

bool Win32Backend::InputOrPaintPending() {
    return PendingInputAndPaint() != 0;
}

bool Win32Backend::StepsMustWait() {
    const DWORD pending = PendingInputAndPaint();
    return (pending & QS_INPUT) != 0 ||
           ((pending & QS_PAINT) != 0 && Clock::now() - paintedAt_ >= kFrame);
}

void Win32Backend::OnWake() {
    wakePosted_ = false;  // before running: a step queued from now on wakes again
    if (StepsMustWait()) {
        Defer();
    } else {
        RunSteps();
    }
}

void Win32Backend::Defer() {
    if (!deferred_) {
        deferred_ = true;
        SetTimer(service_, kDeferTimer, USER_TIMER_MINIMUM, nullptr);
    }
}

void Win32Backend::RunSteps() {
    if (deferred_) {
        deferred_ = false;
        KillTimer(service_, kDeferTimer);
    }
    if (queue_ == nullptr || application_ == nullptr) {
        return;
    }
    // Texts that the steps set show once, at the end of the burst, not once a step.
    const bool outer = runningSteps_;
    runningSteps_ = true;
    int ran = 0;
    application_->Guard([&] { ran = queue_->RunPending(); });
    if (ran > 0) {
        // A worker hands over its next step microseconds after the last one has run: one burst
        // takes the steps as they come, for a few milliseconds, sparing each of them a round
        // through the message queue. Input and painting wait no longer than that.
        const auto burstEnd = Clock::now() + kStepBurst;
        while (ran > 0 && Clock::now() < burstEnd && queue_ != nullptr && application_ != nullptr) {
            application_->Guard([&] { ran = queue_->WaitAndRun(Clock::now() + kNextStep); });
        }
        stepsAt_ = Clock::now();
    }
    runningSteps_ = outer;
    if (!outer) {
        ShowDeferredTexts();
    }
}

void Win32Backend::Post(Step step) {
    posted_.push_back(std::move(step));
    PostMessageW(service_, kPostedMessage, 0, 0);
}

void Win32Backend::RunPostedStep() {
    if (!posted_.empty()) {
        Step step = std::move(posted_.front());
        posted_.pop_front();
        step();
    }
}

LRESULT Win32Backend::OnServiceMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kWakeMessage:
            OnWake();
            return 0;
        case kPostedMessage:
            RunPostedStep();
            return 0;
        case WM_TIMER:
            if (wParam == kDeferTimer) {
                RunSteps();
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Backend::RethrowEscaped() {
    if (escaped_) {
        std::exception_ptr escaped = escaped_;
        escaped_ = nullptr;
        std::rethrow_exception(escaped);
    }
}

bool Win32Backend::HandleTabKey(const MSG& message) {
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
        return false;
    }
    HWND focus = GetFocus();
    if (focus != nullptr) {
        const auto wants =
            SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
        if ((wants & (DLGC_WANTTAB | DLGC_WANTMESSAGE)) != 0) {
            return false;
        }
    }
    auto* form = dynamic_cast<FormPeer*>(PeerOf(GetAncestor(message.hwnd, GA_ROOT)));
    if (form == nullptr) {
        return false;
    }
    form->MoveFocus(GetKeyState(VK_SHIFT) < 0);
    return true;
}

namespace {

// Whether a menu of the bar has this access key ("&S" in "設定(&S)").
bool MenuBarHasAccessKey(HMENU bar, wchar_t key) {
    if (bar == nullptr) {
        return false;
    }
    const auto wanted = std::towupper(key);
    for (int i = 0, count = GetMenuItemCount(bar); i < count; ++i) {
        wchar_t caption[128] = {};
        GetMenuStringW(bar, static_cast<UINT>(i), caption, 127, MF_BYPOSITION);
        for (const wchar_t* at = caption; at[0] != L'\0' && at[1] != L'\0'; ++at) {
            if (at[0] == L'&' && at[1] != L'&') {
                if (std::towupper(at[1]) == wanted) {
                    return true;
                }
                break;
            }
        }
    }
    return false;
}

}  // namespace

bool Win32Backend::PreTranslate(MSG& message) {
    if (message.hwnd == nullptr) {
        return false;
    }
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (dynamic_cast<FormPeer*>(PeerOf(root)) == nullptr) {
        return false;  // a message box, a menu, a tooltip
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && HandleTabKey(message)) {
        return true;
    }
    // Alt and a letter that opens a menu of the menu bar goes to the menu, before any control
    // with the same access key: the menu is the safer of the two (the start button shares its
    // letter with the settings menu).
    if (message.message == WM_SYSCHAR &&
        MenuBarHasAccessKey(GetMenu(root), static_cast<wchar_t>(message.wParam))) {
        return false;
    }
    // Enter and Esc for the default and cancel buttons, access keys, the space bar on buttons.
    return IsDialogMessageW(root, &message) != FALSE;
}

void Win32Backend::Dispatch(MSG& message) {
    if (!PreTranslate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    RethrowEscaped();
}

Clock::time_point Win32Backend::PaintHeldUntil() const {
    return std::min(stepsAt_, paintedAt_) + kFrame;
}

Win32Backend::PumpEnd Win32Backend::Pump(const std::function<bool()>& done,
                                         Clock::time_point deadline) {
    while (!done()) {
        // While steps stream in, painting waits until the frame is over; all else goes on.
        const Clock::time_point paintHeld = PaintHeldUntil();
        const bool holdPaint = Clock::now() < paintHeld;
        const UINT kinds = holdPaint ? PM_QS_INPUT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE : 0;
        MSG message;
        // A timer's message comes only when no posted message waits, and while steps stream in
        // one nearly always does: then due timers are taken first, so that a run never holds
        // them up.
        if ((holdPaint && PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) ||
            PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | kinds)) {
            if (message.message == WM_QUIT) {
                quitCode_ = static_cast<int>(message.wParam);
                return PumpEnd::Quit;
            }
            Dispatch(message);
            if (deferred_ && !InputOrPaintPending()) {
                RunSteps();
            }
            continue;
        }
        if (deferred_) {
            RunSteps();
            continue;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            return PumpEnd::TimedOut;
        }
        const Clock::time_point wakeBy = holdPaint ? std::min(deadline, paintHeld) : deadline;
        DWORD timeout = INFINITE;
        if (wakeBy != Clock::time_point::max()) {
            timeout = static_cast<DWORD>(
                std::chrono::duration_cast<std::chrono::milliseconds>(wakeBy - now).count() + 1);
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, timeout,
                                    holdPaint ? QS_ALLINPUT & ~QS_PAINT : QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
    return PumpEnd::Done;
}

void Win32Backend::RunModal(Form& form) {
    Realize(form);
    Attach(form.App());
    auto* peer = static_cast<FormPeer*>(form.Peer());
    const auto script = shownScripts_.find(form.Name());
    if (script != shownScripts_.end() && script->second) {
        FormScript run = script->second;
        Post([run, &form] {
            if (form.Visible()) {
                run(form);
            }
        });
    }
    const auto deadline =
        modalDeadline_.count() > 0 ? Clock::now() + modalDeadline_ : Clock::time_point::max();
    const PumpEnd end = Pump([&] { return !form.Visible(); }, deadline);
    if (end == PumpEnd::Quit) {
        PostQuitMessage(quitCode_);  // for the loops outside this one
    }
    if (end == PumpEnd::TimedOut) {
        form.Hide();
        throw std::runtime_error("the modal form " + form.Name() + " was left open");
    }
    if (peer != nullptr) {
        EndModal(*peer);
    }
}

void Win32Backend::RunMessageLoop(Application& application) {
    Attach(application);
    if (application.Terminated()) {
        return;
    }
    const auto deadline =
        modalDeadline_.count() > 0 ? Clock::now() + modalDeadline_ : Clock::time_point::max();
    if (Pump([] { return false; }, deadline) == PumpEnd::TimedOut) {
        throw std::runtime_error("the program's main window was left open");
    }
}

void Win32Backend::Quit() {
    PostQuitMessage(0);
}

}  // namespace kelvaro
