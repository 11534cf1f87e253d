// Implements the peers of the BUTTON-class controls: Button (push button; the default one is
// BS_DEFPUSHBUTTON), CheckBox (BS_CHECKBOX: the model decides the state, the window shows it) and
// GroupBox (BS_GROUPBOX, subclassed so that it can hold controls).
#include "platform/win32/control_peers.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/window_classes.h"

namespace kelvaro {

namespace {

constexpr DWORD kFocusStyle = WS_TABSTOP | WS_GROUP;

}  // namespace

void ButtonPeer::Create(HWND parent) {
    const auto& button = static_cast<const Button&>(control_);
    window_ = MakeWindow(L"BUTTON", control_.Text(),
                         kFocusStyle | (button.IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
                         parent);
}

bool ButtonPeer::OnCommand(WORD code) {
    if (code != BN_CLICKED) {
        return false;
    }
    Guarded([&] { control_.Click(); });
    return true;
}

void CheckBoxPeer::Create(HWND parent) {
    window_ = MakeWindow(L"BUTTON", control_.Text(), kFocusStyle | BS_CHECKBOX, 0, parent);
}

void CheckBoxPeer::ShowState() {
    Changed(Property::Checked);
    WindowPeer::ShowState();
}

void CheckBoxPeer::Changed(Property what) {
    if (what == Property::Checked && window_ != nullptr) {
        const bool checked = static_cast<CheckBox&>(control_).Checked();
        SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    }
    WindowPeer::Changed(what);
}

bool CheckBoxPeer::OnCommand(WORD code) {
    if (code != BN_CLICKED) {
        return false;
    }
    // The box toggles in the model, which fires its click event and shows the new state here.
    Guarded([&] { control_.Click(); });
    return true;
}

void GroupBoxPeer::Create(HWND parent) {
    window_ = MakeWindow(L"BUTTON", control_.Text(), BS_GROUPBOX | WS_CLIPCHILDREN,
                         WS_EX_CONTROLPARENT, parent);
    SubclassGroupBox(window_, backend_);
}

}  // namespace kelvaro
