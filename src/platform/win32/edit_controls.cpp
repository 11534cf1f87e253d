// Implements the peers of the text controls: Edit (EDIT), ComboBox (COMBOBOX, CBS_DROPDOWN) and
// SpinEdit (EDIT with an UPDOWN_CLASS beside it). What the user types reaches the model through
// Control::SetText; a list pick through ComboBox::Choose; the arrows through StepUp / StepDown.
#include <algorithm>

#include "platform/win32/control_peers.h"
#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"

namespace kelvaro {

namespace {

constexpr DWORD kFocusStyle = WS_TABSTOP | WS_GROUP;  // a group of one: arrows do not wander
constexpr int kListRows = 8;                          // rows a combo box's list shows

void TurnImeOff(HWND window) {
    ImmAssociateContextEx(window, nullptr, 0);
}

}  // namespace

void EditPeer::Create(HWND parent) {
    window_ = MakeWindow(L"EDIT", control_.Text(), kFocusStyle | ES_AUTOHSCROLL | ES_LEFT,
                         WS_EX_CLIENTEDGE, parent);
    if (control_.ImeOff()) {
        TurnImeOff(window_);
    }
}

bool EditPeer::OnCommand(WORD code) {
    if (code != EN_CHANGE) {
        return false;
    }
    // The model fires the change event only when the text really changed, so the echo of a
    // text the model wrote itself is harmless.
    Guarded([&] { control_.SetText(WindowText(window_)); });
    return true;
}

void ComboBoxPeer::Create(HWND parent) {
    window_ = MakeWindow(L"COMBOBOX", "", kFocusStyle | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                         0, parent);
    SendMessageW(window_, CB_SETMINVISIBLE, kListRows, 0);
    if (control_.ImeOff()) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (GetComboBoxInfo(window_, &info) && info.hwndItem != nullptr) {
            TurnImeOff(info.hwndItem);
        }
    }
}

std::vector<HWND> ComboBoxPeer::HintWindows() const {
    std::vector<HWND> windows{window_};
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (window_ != nullptr && GetComboBoxInfo(window_, &info) && info.hwndItem != nullptr) {
        windows.push_back(info.hwndItem);
    }
    return windows;
}

void ComboBoxPeer::ShowState() {
    ShowItems();
    WindowPeer::ShowState();
}

void ComboBoxPeer::Changed(Property what) {
    if (what == Property::Items && window_ != nullptr) {
        ShowItems();
        return;
    }
    WindowPeer::Changed(what);
}

void ComboBoxPeer::ShowItems() {
    SendMessageW(window_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : static_cast<ComboBox&>(control_).Items()) {
        SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    // Emptying the list empties the field too.
    SetWindowTextIfChanged(window_, control_.Text());
}

bool ComboBoxPeer::OnCommand(WORD code) {
    switch (code) {
        case CBN_EDITCHANGE:
            Guarded([&] { control_.SetText(WindowText(window_)); });
            return true;
        case CBN_SELCHANGE: {
            const LRESULT index = SendMessageW(window_, CB_GETCURSEL, 0, 0);
            if (index != CB_ERR) {
                Guarded([&] {
                    static_cast<ComboBox&>(control_).Choose(static_cast<std::size_t>(index));
                });
            }
            return true;
        }
        default:
            return false;
    }
}

void ComboBoxPeer::Place(const PixelRect& rect) {
    // The window of a drop-down combo box holds its list too.
    const auto row = static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, 0, 0));
    const int list = std::max(row, 1) * kListRows + 2;
    SetWindowPos(window_, nullptr, rect.left, rect.top, rect.Width(), rect.Height() + list,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

SpinEditPeer::~SpinEditPeer() {
    if (arrows_ != nullptr) {
        backend_.Unregister(arrows_);
        DestroyWindow(arrows_);
    }
}

void SpinEditPeer::Create(HWND parent) {
    window_ = MakeWindow(L"EDIT", control_.Text(), kFocusStyle | ES_AUTOHSCROLL | ES_LEFT,
                         WS_EX_CLIENTEDGE, parent);
    if (control_.ImeOff()) {
        TurnImeOff(window_);
    }
    // The arrows keep their position; each press is handed to the model at UDN_DELTAPOS.
    arrows_ = MakeWindow(UPDOWN_CLASSW, "", UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, parent);
    SendMessageW(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(-1), 1);
    SendMessageW(arrows_, UDM_SETPOS32, 0, 0);
    SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(window_), 0);
}

bool SpinEditPeer::OnCommand(WORD code) {
    if (code != EN_CHANGE) {
        return false;
    }
    Guarded([&] { control_.SetText(WindowText(window_)); });
    return true;
}

bool SpinEditPeer::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != arrows_ || header.code != static_cast<UINT>(UDN_DELTAPOS)) {
        return false;
    }
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    auto& spin = static_cast<SpinEdit&>(control_);
    Guarded([&] {
        if (change.iDelta > 0) {
            spin.StepUp();
        } else if (change.iDelta < 0) {
            spin.StepDown();
        }
    });
    result = TRUE;  // the arrows' own position stays where it is
    return true;
}

void SpinEditPeer::Place(const PixelRect& rect) {
    const int arrows = std::min(GetSystemMetricsForDpi(SM_CXVSCROLL, Dpi()), rect.Width() / 2);
    SetWindowPos(window_, nullptr, rect.left, rect.top, rect.Width() - arrows, rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(arrows_, nullptr, rect.right - arrows, rect.top, arrows, rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void SpinEditPeer::Detach() {
    WindowPeer::Detach();
    arrows_ = nullptr;
}

}  // namespace kelvaro
