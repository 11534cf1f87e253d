// Implements WindowPeer: window creation, the state every control shares (text, enabled, visible,
// bounds, font, hint), the anchored layout, and the default colours of a control.
#include "platform/win32/window_peer.h"

#include <algorithm>
#include <cwchar>

#include "platform/application.h"
#include "platform/form.h"
#include "platform/win32/form_window.h"
#include "platform/win32/mouse_win32.h"
#include "platform/win32/tooltips_win32.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_classes.h"

namespace kelvaro {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return Narrow(text);
}

void SetWindowTextIfChanged(HWND window, const std::string& text) {
    // Writing the same text again would move the caret of an edit the user is typing in.
    if (window != nullptr && WindowText(window) != text) {
        SetWindowTextW(window, Widen(text).c_str());
    }
}

WindowPeer::WindowPeer(Win32Backend& backend, Control& control, FormPeer* form)
    : backend_(backend), control_(control), form_(form) {}

WindowPeer::~WindowPeer() {
    backend_.ForgetDeferredText(*this);
    if (window_ != nullptr) {
        backend_.Unregister(window_);
        if (ownClass_) {
            // The window's last messages must not reach a peer that is half destroyed.
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        }
        DestroyWindow(window_);
    }
}

WindowPeer* WindowPeer::ParentPeer() const {
    Control* parent = control_.Parent();
    return parent != nullptr ? static_cast<WindowPeer*>(parent->Peer()) : nullptr;
}

HWND WindowPeer::MakeWindow(const wchar_t* windowClass, const std::string& text, DWORD style,
                            DWORD exStyle, HWND parent) {
    const auto id = static_cast<INT_PTR>(form_->NextControlId());
    if (window_ == nullptr) {
        ownClass_ = std::wcscmp(windowClass, kPaneClass) == 0;
    }
    HWND window = CreateWindowExW(exStyle, windowClass, Widen(text).c_str(),
                                  style | WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                                  reinterpret_cast<HMENU>(id), backend_.Instance(), this);
    backend_.Register(window, this);
    WatchMouse(window, *this);
    return window;
}

void WindowPeer::Guarded(const std::function<void()>& action) const {
    Form* form = control_.OwnerForm();
    if (form != nullptr) {
        form->App().Guard(action);
    } else {
        action();
    }
}

unsigned WindowPeer::Dpi() const {
    return form_->FormDpi();
}

HFONT WindowPeer::CurrentFont() const {
    return backend_.Fonts().Get(control_.EffectiveFont(), Dpi());
}

void WindowPeer::ShowState() {
    ShowText();
    ShowEnabled();
    ShowVisible();
    ShowHint();
}

void WindowPeer::Changed(Property what) {
    if (window_ == nullptr) {
        return;
    }
    switch (what) {
        case Property::Text:
            ShowText();
            break;
        case Property::Enabled:
            ShowEnabled();
            break;
        case Property::Visible:
            ShowVisible();
            break;
        case Property::Bounds:
            LayOut();
            break;
        case Property::Font:
            ApplyFontTree();
            LayOut();
            break;
        case Property::Hint:
            ShowHint();
            break;
        default:
            break;
    }
}

void WindowPeer::ShowText() {
    SetWindowTextIfChanged(window_, control_.Text());
}

void WindowPeer::ShowEnabled() {
    for (HWND window : Windows()) {
        EnableWindow(window, control_.Enabled() ? TRUE : FALSE);
    }
}

void WindowPeer::ShowVisible() {
    const bool show = ShouldShow();
    for (HWND window : Windows()) {
        ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
    }
}

void WindowPeer::ShowHint() {
    const std::wstring text = control_.ShowHint() ? Widen(ShortHint(control_.Hint())) : L"";
    for (HWND window : HintWindows()) {
        form_->Tips().Set(window, text);
    }
}

void WindowPeer::ApplyFont() {
    HFONT font = CurrentFont();
    for (HWND window : Windows()) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void WindowPeer::ApplyFontTree() {
    if (window_ == nullptr) {
        return;
    }
    ApplyFont();
    for (WindowPeer* child : ChildPeers()) {
        child->ApplyFontTree();
    }
}

std::vector<WindowPeer*> WindowPeer::ChildPeers() const {
    std::vector<WindowPeer*> peers;
    for (Control* child : control_.Children()) {
        if (auto* peer = static_cast<WindowPeer*>(child->Peer())) {
            peers.push_back(peer);
        }
    }
    return peers;
}

Extent WindowPeer::ClientDesign() const {
    return {control_.Bounds().width, control_.Bounds().height};
}

Extent WindowPeer::ClientNow() const {
    return {placed_.width, placed_.height};
}

Rect WindowPeer::LogicalRect(Extent parentDesign, Extent parentNow) const {
    return AnchoredRect(control_.Bounds(), control_.Anchors(), parentDesign, parentNow);
}

void WindowPeer::LayOut() {
    WindowPeer* parent = ParentPeer();
    if (window_ == nullptr || parent == nullptr) {
        return;
    }
    placed_ = LogicalRect(parent->ClientDesign(), parent->ClientNow());
    PixelRect pixels = ScaleRect(placed_, Dpi());
    const POINT offset = parent->ClientOffset();
    pixels.left += offset.x;
    pixels.right += offset.x;
    pixels.top += offset.y;
    pixels.bottom += offset.y;
    AdjustPlacement(pixels);
    Place(pixels);
    LayOutContent();
}

void WindowPeer::LayOutChildren() {
    for (WindowPeer* child : ChildPeers()) {
        child->LayOut();
    }
}

void WindowPeer::Place(const PixelRect& rect) {
    SetWindowPos(window_, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool WindowPeer::OnCommand(WORD) {
    return false;
}

bool WindowPeer::OnNotify(const NMHDR&, LRESULT&) {
    return false;
}

HBRUSH WindowPeer::OnControlColor(HDC dc, UINT message) {
    const Color color = control_.EffectiveFont().color;
    if (color == kColorDefault) {
        return nullptr;  // the system's colours
    }
    const int background =
        message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(dc, static_cast<COLORREF>(color));
    SetBkColor(dc, GetSysColor(background));
    return GetSysColorBrush(background);
}

void WindowPeer::Paint(HDC dc, const RECT&) {
    FillFace(window_, dc);
}

void WindowPeer::Detach() {
    for (HWND window : Windows()) {
        backend_.Unregister(window);
    }
    window_ = nullptr;
}

}  // namespace kelvaro
