// Implements FormPeer's window: the top-level window (border, caption, icon, menu bar, client size
// at the window's DPI, position, show and hide, window state) and its window procedure, whose
// handlers for close, size, size limits and DPI change live here too. Focus and commands:
// form_keyboard.cpp; layout and scrolling: form_scrolling.cpp.
#include "platform/win32/form_window.h"

#include <algorithm>

#include "forms/resource_ids.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_classes.h"

namespace kelvaro {

namespace {

constexpr UINT kFirstMenuId = 40000;  // above every control id

struct FrameStyle {
    DWORD style = 0;
    DWORD exStyle = 0;
};

FrameStyle StyleFor(const Form& form) {
    FrameStyle frame;
    const DWORD boxes =
        (form.HasMinimizeBox() ? WS_MINIMIZEBOX : 0) | (form.HasMaximizeBox() ? WS_MAXIMIZEBOX : 0);
    switch (form.Border()) {
        case BorderStyle::Sizeable:
            frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | boxes;
            break;
        case BorderStyle::Dialog:
            frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
            frame.exStyle = WS_EX_DLGMODALFRAME;
            break;
        case BorderStyle::Single:
            frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | boxes;
            break;
    }
    frame.style |= WS_CLIPCHILDREN;
    frame.exStyle |= WS_EX_CONTROLPARENT;
    return frame;
}

// The program's icon at a size, or nullptr when the program has none (a test program).
HICON LoadAppIcon(HINSTANCE instance, int size) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(KELVARO_ICON_MAIN), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

}  // namespace

FormPeer::FormPeer(Win32Backend& backend, Form& form)
    : WindowPeer(backend, form, nullptr), form_model_(form) {
    form_ = this;
}

FormPeer::~FormPeer() {
    if (window_ != nullptr) {
        DestroyWindow(window_);  // its WM_DESTROY detaches the peers of the form
    }
}

void FormPeer::Create(HWND owner) {
    const FrameStyle frame = StyleFor(form_model_);
    CreateWindowExW(frame.exStyle, kFormClass, Widen(form_model_.Text()).c_str(), frame.style,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                    backend_.Instance(), this);
    if (window_ == nullptr) {
        throw std::runtime_error("the window of form " + form_model_.Name() + " could not be made");
    }
    backend_.Register(window_, this);
    backend_.FormWindowCreated(*this);
    dpi_ = GetDpiForWindow(window_);
    if (dpi_ == 0) {
        dpi_ = 96;
    }
    if (form_model_.Menu() != nullptr) {
        menuCommands_ = std::make_unique<MenuCommands>(kFirstMenuId);
        SetMenu(window_, menuCommands_->BuildBar(*form_model_.Menu()));
    }
    tips_.Create(window_, backend_.Instance(), dpi_);
    ShowIcons();
    ResizeToDesign(true);
}

void FormPeer::ShowIcons() {
    if (form_model_.Border() == BorderStyle::Dialog) {
        return;  // a dialog frame shows no icon
    }
    const struct {
        WPARAM which;
        int metric;
        HICON& held;
    } icons[] = {{ICON_SMALL, SM_CXSMICON, smallIcon_}, {ICON_BIG, SM_CXICON, bigIcon_}};
    for (const auto& icon : icons) {
        HICON sized = LoadAppIcon(backend_.Instance(), GetSystemMetricsForDpi(icon.metric, dpi_));
        if (sized == nullptr) {
            continue;  // the class icon stays
        }
        SendMessageW(window_, WM_SETICON, icon.which, reinterpret_cast<LPARAM>(sized));
        if (icon.held != nullptr) {
            DestroyIcon(icon.held);
        }
        icon.held = sized;
    }
}

void FormPeer::ForgetIcons() {
    for (HICON* icon : {&smallIcon_, &bigIcon_}) {
        if (*icon != nullptr) {
            DestroyIcon(*icon);
            *icon = nullptr;
        }
    }
}

void FormPeer::ShowState() {
    EnableWindow(window_, form_model_.Enabled() ? TRUE : FALSE);
}

void FormPeer::ResizeToDesign(bool placeOnScreen) {
    const FrameStyle frame = StyleFor(form_model_);
    const int width = ScaleToDpi(form_model_.Bounds().width, dpi_);
    const int height = ScaleToDpi(form_model_.Bounds().height, dpi_);
    RECT outer{0, 0, width, height};
    AdjustWindowRectExForDpi(&outer, frame.style, GetMenu(window_) != nullptr ? TRUE : FALSE,
                             frame.exStyle, dpi_);
    int outerWidth = outer.right - outer.left;
    int outerHeight = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, 0, 0, outerWidth, outerHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second row takes more than the one row counted above.
    RECT client;
    GetClientRect(window_, &client);
    if (GetMenu(window_) != nullptr && client.bottom != height && !ScrollBarsShown()) {
        outerHeight += height - static_cast<int>(client.bottom);
        SetWindowPos(window_, nullptr, 0, 0, outerWidth, outerHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (placeOnScreen && form_model_.Position() == FormPosition::ScreenCenter) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        const int left = static_cast<int>(
            work.left + std::max<LONG>(0, (work.right - work.left - outerWidth) / 2));
        const int top = static_cast<int>(
            work.top + std::max<LONG>(0, (work.bottom - work.top - outerHeight) / 2));
        SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool FormPeer::ScrollBarsShown() const {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

void FormPeer::Changed(Property what) {
    if (window_ == nullptr) {
        return;
    }
    switch (what) {
        case Property::Text:
            SetWindowTextIfChanged(window_, form_model_.Text());
            break;
        case Property::Visible:
            if (form_model_.Visible()) {
                ShowForm();
            } else {
                HideForm();
            }
            break;
        case Property::Bounds:
            ResizeToDesign(false);
            LayOut();
            break;
        case Property::WindowState:
            ShowWindowState();
            break;
        case Property::Enabled:
            ShowState();
            break;
        case Property::Font:
            ApplyFontTree();
            LayOut();
            break;
        default:
            break;
    }
}

void FormPeer::ShowForm() {
    if (IsWindowVisible(window_)) {
        return;
    }
    if (form_model_.IsModal()) {
        backend_.BeginModal(*this);
    }
    int command = SW_SHOWNORMAL;
    if (form_model_.GetWindowState() == WindowState::Minimized) {
        command = SW_SHOWMINIMIZED;
    } else if (form_model_.GetWindowState() == WindowState::Maximized) {
        command = SW_SHOWMAXIMIZED;
    }
    ShowWindow(window_, command);
    if (GetActiveWindow() != window_ && command != SW_SHOWMINIMIZED) {
        SetActiveWindow(window_);
    }
    UpdateWindow(window_);
}

void FormPeer::HideForm() {
    // The windows a modal form disabled come back first, so that the system does not hand the
    // activation to another program when the form goes.
    HWND previous = backend_.EndModal(*this);
    if (previous == nullptr && GetActiveWindow() == window_) {
        previous = GetWindow(window_, GW_OWNER);
    }
    ShowWindow(window_, SW_HIDE);
    if (previous != nullptr && IsWindow(previous) && IsWindowVisible(previous) &&
        IsWindowEnabled(previous)) {
        SetActiveWindow(previous);
    }
}

void FormPeer::ShowWindowState() {
    if (!IsWindowVisible(window_)) {
        return;  // applied when the form is shown
    }
    switch (form_model_.GetWindowState()) {
        case WindowState::Minimized:
            if (!IsIconic(window_)) {
                ShowWindow(window_, SW_MINIMIZE);
            }
            break;
        case WindowState::Maximized:
            if (!IsZoomed(window_)) {
                ShowWindow(window_, SW_MAXIMIZE);
            }
            break;
        case WindowState::Normal:
            if (IsIconic(window_) || IsZoomed(window_)) {
                ShowWindow(window_, SW_RESTORE);
            }
            break;
    }
}

LRESULT FormPeer::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam));
            return 0;
        case WM_GETMINMAXINFO:
            if (form_model_.OnGetMinMaxInfo) {
                OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
                return 0;
            }
            break;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (lParam == 0) {
                OnScroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
                return 0;
            }
            break;
        case WM_MOUSEWHEEL:
            OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam), HIWORD(wParam) != 0);
            return 0;
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_COMMAND:
            if (lParam == 0) {
                OnCommandMessage(LOWORD(wParam), HIWORD(wParam));
                return 0;
            }
            break;
        case WM_NEXTDLGCTL:
            OnNextDialogControl(wParam, lParam);
            return 0;
        case DM_GETDEFID:
            return OnGetDefaultId();
        case WM_DESTROY:
            backend_.FormWindowGone(*this);
            break;
        default:
            break;
    }
    LRESULT result = 0;
    if (RouteFromChild(backend_, message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void FormPeer::OnClose() {
    Guarded([&] { form_model_.Close(); });
}

void FormPeer::OnSize(UINT state) {
    Application& application = form_model_.App();
    const bool isMain = application.MainForm() == &form_model_;
    if (state == SIZE_MINIMIZED) {
        if (!wasMinimized_) {
            wasMinimized_ = true;
            Guarded([&] { form_model_.SetWindowState(WindowState::Minimized); });
            if (isMain) {
                Guarded([&] { application.Minimize(); });
            }
        }
        return;
    }
    if (wasMinimized_) {
        wasMinimized_ = false;
        if (isMain) {
            Guarded([&] { application.Restore(); });
        }
    }
    if (IsWindowVisible(window_)) {
        const WindowState now =
            state == SIZE_MAXIMIZED ? WindowState::Maximized : WindowState::Normal;
        Guarded([&] { form_model_.SetWindowState(now); });
    }
    LayOut();
}

void FormPeer::OnGetMinMaxInfo(MINMAXINFO& info) {
    const auto down = [&](LONG value) { return ScaleFromDpi(static_cast<int>(value), dpi_); };
    const MinMaxInfo proposed{down(info.ptMaxSize.x),      down(info.ptMaxSize.y),
                              down(info.ptMaxPosition.x),  down(info.ptMaxPosition.y),
                              down(info.ptMinTrackSize.x), down(info.ptMinTrackSize.y),
                              down(info.ptMaxTrackSize.x), down(info.ptMaxTrackSize.y)};
    MinMaxInfo limits = proposed;
    Guarded([&] { form_model_.OnGetMinMaxInfo(limits); });
    // Only what the hook changed goes back, so the rest keeps the system's exact values.
    const auto write = [&](int changed, int was, LONG& field) {
        if (changed != was) {
            field = ScaleToDpi(changed, dpi_);
        }
    };
    write(limits.maxWidth, proposed.maxWidth, info.ptMaxSize.x);
    write(limits.maxHeight, proposed.maxHeight, info.ptMaxSize.y);
    write(limits.maxLeft, proposed.maxLeft, info.ptMaxPosition.x);
    write(limits.maxTop, proposed.maxTop, info.ptMaxPosition.y);
    write(limits.minTrackWidth, proposed.minTrackWidth, info.ptMinTrackSize.x);
    write(limits.minTrackHeight, proposed.minTrackHeight, info.ptMinTrackSize.y);
    write(limits.maxTrackWidth, proposed.maxTrackWidth, info.ptMaxTrackSize.x);
    write(limits.maxTrackHeight, proposed.maxTrackHeight, info.ptMaxTrackSize.y);
}

void FormPeer::OnDpiChanged(unsigned dpi, const RECT& suggested) {
    dpi_ = dpi;
    tips_.SetDpi(dpi_);
    ShowIcons();
    ApplyFontTree();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
}

void FormPeer::Detach() {
    tips_.Detach();
    ForgetIcons();
    WindowPeer::Detach();
}

}  // namespace kelvaro
