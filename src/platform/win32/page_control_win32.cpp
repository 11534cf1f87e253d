// Implements the peers of PageControl (WC_TABCONTROL, multi-line when the model says so) and
// TabSheet (a pane over the tab control's display area, shown while it is the active page). The
// user's pick of a tab reaches the model through PageControl::SetActivePage.
#include <algorithm>

#include "platform/win32/control_peers.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_classes.h"

namespace kelvaro {

namespace {

int IndexOf(const PageControl& pages, const Control* page) {
    const std::vector<TabSheet*> all = pages.Pages();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == page) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

void PageControlPeer::Create(HWND parent) {
    const auto& pages = static_cast<const PageControl&>(control_);
    window_ = MakeWindow(
        WC_TABCONTROLW, "",
        WS_TABSTOP | WS_GROUP | WS_CLIPCHILDREN | (pages.MultiLine() ? TCS_MULTILINE : 0), 0,
        parent);
    int index = 0;
    for (const TabSheet* page : pages.Pages()) {
        std::wstring caption = Widen(page->Text());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(window_, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
    }
}

void PageControlPeer::ShowState() {
    WindowPeer::ShowState();
    ShowActivePage();
}

void PageControlPeer::Changed(Property what) {
    if (what == Property::ActivePage && window_ != nullptr) {
        ShowActivePage();
        return;
    }
    WindowPeer::Changed(what);
}

void PageControlPeer::ShowActivePage() {
    const int active = IndexOf(Pages(), Pages().ActivePage());
    if (active >= 0 && SendMessageW(window_, TCM_GETCURSEL, 0, 0) != active) {
        SendMessageW(window_, TCM_SETCURSEL, static_cast<WPARAM>(active), 0);
    }
    HWND focus = GetFocus();
    bool focusHidden = false;
    for (TabSheet* page : Pages().Pages()) {
        if (auto* peer = static_cast<WindowPeer*>(page->Peer())) {
            focusHidden = focusHidden || (!peer->ShouldShow() && focus != nullptr &&
                                          IsChild(peer->Window(), focus));
            peer->Changed(Property::Visible);
        }
    }
    if (focusHidden) {
        SetFocus(window_);  // the focus does not stay on a page that went
    }
}

bool PageControlPeer::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) {
        return false;
    }
    const auto index = static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0));
    const std::vector<TabSheet*> pages = Pages().Pages();
    if (index >= 0 && static_cast<std::size_t>(index) < pages.size()) {
        Guarded([&] { Pages().SetActivePage(pages[static_cast<std::size_t>(index)]); });
    }
    ShowActivePage();  // whatever the model decided
    result = 0;
    return true;
}

void PageControlPeer::PageTextChanged(const TabSheet& page) {
    const int index = IndexOf(Pages(), &page);
    if (window_ == nullptr || index < 0) {
        return;
    }
    std::wstring caption = Widen(page.Text());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(window_, TCM_SETITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    LayOut();  // the rows of a multi-line tab control may change
}

void PageControlPeer::LayOutContent() {
    RECT display;
    GetClientRect(window_, &display);
    SendMessageW(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (TabSheet* page : Pages().Pages()) {
        if (auto* peer = static_cast<TabSheetPeer*>(page->Peer())) {
            peer->PlaceInDisplay(display);
        }
    }
}

void TabSheetPeer::Create(HWND parent) {
    window_ = MakeWindow(kPaneClass, "", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent);
}

void TabSheetPeer::Changed(Property what) {
    if (what == Property::Bounds) {
        return;  // a page lies where its page control puts it
    }
    WindowPeer::Changed(what);
}

void TabSheetPeer::ShowText() {
    WindowPeer* parent = ParentPeer();
    if (parent != nullptr && parent->Model().Kind() == ControlKind::PageControl) {
        static_cast<PageControlPeer*>(parent)->PageTextChanged(static_cast<TabSheet&>(control_));
    }
}

bool TabSheetPeer::ShouldShow() const {
    const Control* parent = control_.Parent();
    return control_.Visible() && parent != nullptr && parent->Kind() == ControlKind::PageControl &&
           static_cast<const PageControl*>(parent)->ActivePage() == &control_;
}

void TabSheetPeer::LayOut() {
    if (WindowPeer* parent = ParentPeer()) {
        parent->LayOut();
    }
}

void TabSheetPeer::PlaceInDisplay(const RECT& display) {
    const int width = std::max(0, static_cast<int>(display.right - display.left));
    const int height = std::max(0, static_cast<int>(display.bottom - display.top));
    now_ = {ScaleFromDpi(width, Dpi()), ScaleFromDpi(height, Dpi())};
    if (!designKnown_) {
        // The page's children were laid out for the display area the page control first had.
        design_ = now_;
        designKnown_ = true;
    }
    placed_ = {ScaleFromDpi(display.left, Dpi()), ScaleFromDpi(display.top, Dpi()), now_.width,
               now_.height};
    SetWindowPos(window_, nullptr, display.left, display.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutChildren();
}

}  // namespace kelvaro
