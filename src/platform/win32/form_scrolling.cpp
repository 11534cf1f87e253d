// Implements FormPeer's layout: the client area at the window's DPI holds the content at its
// designed size or larger, with scroll bars when the window is smaller, the content following
// the thumb as it is dragged and the mouse wheel.
#include <algorithm>

#include "platform/win32/form_window.h"

namespace kelvaro {

namespace {

constexpr int kScrollLine = 16;  // 96-DPI pixels per arrow click

}  // namespace

void FormPeer::LayOut() {
    if (window_ == nullptr || updatingBars_) {
        return;
    }
    UpdateScrollBars();
    LayOutChildren();
}

Extent FormPeer::ClientDesign() const {
    return {form_model_.Bounds().width, form_model_.Bounds().height};
}

Extent FormPeer::ClientNow() const {
    const Extent design = ClientDesign();
    return {std::max(design.width, ScaleFromDpi(client_.width, dpi_)),
            std::max(design.height, ScaleFromDpi(client_.height, dpi_))};
}

void FormPeer::UpdateScrollBars() {
    updatingBars_ = true;
    content_ = {ScaleToDpi(form_model_.Bounds().width, dpi_),
                ScaleToDpi(form_model_.Bounds().height, dpi_)};
    const int barWidth = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi_);
    const int barHeight = GetSystemMetricsForDpi(SM_CYHSCROLL, dpi_);
    // Showing one bar changes the client area; two rounds settle it.
    for (int round = 0; round < 2; ++round) {
        RECT client;
        GetClientRect(window_, &client);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
        const Extent full{client.right + ((style & WS_VSCROLL) != 0 ? barWidth : 0),
                          client.bottom + ((style & WS_HSCROLL) != 0 ? barHeight : 0)};
        const ScrollNeed need = NeedScrollBars(full, content_, barWidth, barHeight);
        scroll_.x = need.horizontal ? ClampScroll(scroll_.x, content_.width, need.client.width) : 0;
        scroll_.y = need.vertical ? ClampScroll(scroll_.y, content_.height, need.client.height) : 0;
        const auto apply = [&](int bar, bool shown, int content, int page, int position) {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            info.nMax = std::max(0, content - 1);
            info.nPage = static_cast<UINT>(shown ? page : content + 1);  // a full page hides it
            info.nPos = position;
            SetScrollInfo(window_, bar, &info, TRUE);
            ShowScrollBar(window_, bar, shown ? TRUE : FALSE);
        };
        apply(SB_HORZ, need.horizontal, content_.width, need.client.width, scroll_.x);
        apply(SB_VERT, need.vertical, content_.height, need.client.height, scroll_.y);
        GetClientRect(window_, &client);
        client_ = {client.right, client.bottom};
        if (client_ == need.client) {
            break;
        }
    }
    updatingBars_ = false;
}

void FormPeer::ScrollTo(int x, int y) {
    x = content_.width > client_.width ? ClampScroll(x, content_.width, client_.width) : 0;
    y = content_.height > client_.height ? ClampScroll(y, content_.height, client_.height) : 0;
    if (x == scroll_.x && y == scroll_.y) {
        return;
    }
    scroll_ = {x, y};
    SetScrollPos(window_, SB_HORZ, x, TRUE);
    SetScrollPos(window_, SB_VERT, y, TRUE);
    LayOutChildren();
    UpdateWindow(window_);
}

void FormPeer::OnScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, bar, &info);
    int position = info.nPos;
    const int line = ScaleToDpi(kScrollLine, dpi_);
    switch (request) {
        case SB_LINEUP:
            position -= line;
            break;
        case SB_LINEDOWN:
            position += line;
            break;
        case SB_PAGEUP:
            position -= static_cast<int>(info.nPage);
            break;
        case SB_PAGEDOWN:
            position += static_cast<int>(info.nPage);
            break;
        case SB_THUMBTRACK:  // the content follows the thumb while it is dragged
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        case SB_TOP:
            position = 0;
            break;
        case SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            return;
    }
    if (bar == SB_HORZ) {
        ScrollTo(position, scroll_.y);
    } else {
        ScrollTo(scroll_.x, position);
    }
}

void FormPeer::OnMouseWheel(short delta) {
    if (content_.height > client_.height) {
        ScrollTo(scroll_.x, scroll_.y - delta * 3 * ScaleToDpi(kScrollLine, dpi_) / WHEEL_DELTA);
    }
}

}  // namespace kelvaro
