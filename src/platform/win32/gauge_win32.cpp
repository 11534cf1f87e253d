// Implements the gauge's peer: a pane painted by the backend, a bar in the active caption's colour
// on the button face with the percentage "NN%" centred (light over the bar, dark beside it). The
// window's text is the percentage too, for screen readers and tests.
#include <string>

#include "platform/win32/control_peers.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_classes.h"

namespace kelvaro {

std::string GaugeText(const Gauge& gauge) {
    return std::to_string(gauge.PercentDone()) + "%";
}

void GaugePeer::Create(HWND parent) {
    const auto& gauge = static_cast<Gauge&>(control_);
    window_ = MakeWindow(kPaneClass, GaugeText(gauge), 0, 0, parent);
    shownPercent_ = gauge.PercentDone();
}

void GaugePeer::Changed(Property what) {
    if (what == Property::Range || what == Property::Progress) {
        ShowText();
        return;
    }
    WindowPeer::Changed(what);
}

void GaugePeer::ShowText() {
    const auto& gauge = static_cast<Gauge&>(control_);
    if (window_ == nullptr || gauge.PercentDone() == shownPercent_) {
        return;
    }
    shownPercent_ = gauge.PercentDone();
    SetWindowTextW(window_, Widen(GaugeText(gauge)).c_str());
    InvalidateRect(window_, nullptr, FALSE);
}

void GaugePeer::Paint(HDC dc, const RECT& client) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    // Drawn off screen first, so that a fast run does not flicker.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP canvas = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ oldCanvas = SelectObject(buffer, canvas);

    RECT inner = client;
    FillRect(buffer, &inner, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(buffer, &inner, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    const auto& gauge = static_cast<const Gauge&>(control_);
    RECT bar = inner;
    bar.right = inner.left + (inner.right - inner.left) * gauge.PercentDone() / 100;
    FillRect(buffer, &bar, GetSysColorBrush(COLOR_ACTIVECAPTION));

    const std::wstring text = Widen(GaugeText(gauge));
    const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    HGDIOBJ oldFont = SelectObject(buffer, CurrentFont());
    SetBkMode(buffer, TRANSPARENT);
    const int saved = SaveDC(buffer);
    IntersectClipRect(buffer, bar.left, bar.top, bar.right, bar.bottom);
    SetTextColor(buffer, GetSysColor(COLOR_CAPTIONTEXT));
    DrawTextW(buffer, text.c_str(), static_cast<int>(text.size()), &inner, flags);
    RestoreDC(buffer, saved);
    ExcludeClipRect(buffer, bar.left, bar.top, bar.right, bar.bottom);
    SetTextColor(buffer, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(buffer, text.c_str(), static_cast<int>(text.size()), &inner, flags);
    SelectClipRgn(buffer, nullptr);
    SelectObject(buffer, oldFont);

    BitBlt(dc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, oldCanvas);
    DeleteObject(canvas);
    DeleteDC(buffer);
}

}  // namespace kelvaro
