// Implements FormPeer's keyboard and commands: the focus kept across activation, Tab order
// moves, the dialog manager's requests (WM_NEXTDLGCTL for access keys of labels, DM_GETDEFID
// for Enter), Enter and Esc on the default and cancel buttons, and the menu bar's commands.
#include <algorithm>

#include "platform/controls.h"
#include "platform/win32/form_window.h"
#include "platform/win32/tab_order_win32.h"
#include "platform/win32/win32_backend.h"

namespace kelvaro {

namespace {

void SelectAll(Control& control, HWND window) {
    switch (control.Kind()) {
        case ControlKind::Edit:
        case ControlKind::SpinEdit:
            SendMessageW(window, EM_SETSEL, 0, -1);
            break;
        case ControlKind::ComboBox:
            SendMessageW(window, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            break;
        default:
            break;
    }
}

Button* FindButton(const Form& form, bool cancel) {
    for (const auto& control : form.Controls()) {
        if (control->Kind() != ControlKind::Button || !control->Usable()) {
            continue;
        }
        auto& button = static_cast<Button&>(*control);
        if (cancel ? button.IsCancel() : button.IsDefault()) {
            return &button;
        }
    }
    return nullptr;
}

}  // namespace

void FormPeer::OnActivate(WORD state, bool minimized) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) {
            savedFocus_ = focus;
        }
        return;
    }
    if (!minimized) {
        OnSetFocus();
    }
}

void FormPeer::OnSetFocus() {
    if (savedFocus_ != nullptr && IsWindow(savedFocus_) && IsChild(window_, savedFocus_) &&
        IsWindowVisible(savedFocus_) && IsWindowEnabled(savedFocus_)) {
        SetFocus(savedFocus_);
    } else {
        FocusControl(nullptr);
    }
}

void FormPeer::OnCommandMessage(WORD id, WORD code) {
    // Esc and Enter, as the dialog manager sends them, and the commands of the menu bar.
    if (id == IDCANCEL || id == IDOK) {
        if (Button* button = FindButton(form_model_, id == IDCANCEL)) {
            Guarded([&] { button->Click(); });
        }
        return;
    }
    if (menuCommands_ != nullptr) {
        if (MenuItem* item = menuCommands_->ItemFor(id)) {
            Guarded([&] { item->Click(); });
            return;
        }
    }
    // The default button by its id, when the dialog manager found no window for it.
    for (const auto& control : form_model_.Controls()) {
        auto* peer = static_cast<WindowPeer*>(control->Peer());
        if (peer != nullptr && peer->Window() != nullptr && GetDlgCtrlID(peer->Window()) == id) {
            peer->OnCommand(code);
            return;
        }
    }
}

void FormPeer::OnNextDialogControl(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) {
        WindowPeer* peer = backend_.PeerOf(reinterpret_cast<HWND>(wParam));
        if (peer == nullptr || &peer->OwnerPeer() != this) {
            return;
        }
        if (peer->Model().Kind() == ControlKind::Label) {
            // A label's access key: the dialog manager asks for the control after it next.
            labelTarget_ = LabelTarget(form_model_, peer->Model());
        } else {
            FocusControl(&peer->Model());
        }
        return;
    }
    if (labelTarget_ != nullptr) {
        Control* target = labelTarget_;
        labelTarget_ = nullptr;
        FocusControl(target);
        return;
    }
    MoveFocus(wParam != 0);
}

LRESULT FormPeer::OnGetDefaultId() {
    // A focused push button takes Enter itself; otherwise the default button does.
    Control* focused = FocusedControl();
    Control* target = focused != nullptr && focused->Kind() == ControlKind::Button
                          ? focused
                          : FindButton(form_model_, false);
    if (target == nullptr || target->Peer() == nullptr) {
        return 0;
    }
    HWND button = static_cast<WindowPeer*>(target->Peer())->Window();
    return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
}

Control* FormPeer::FocusedControl() const {
    WindowPeer* peer = backend_.PeerOf(GetFocus());
    return peer != nullptr && &peer->OwnerPeer() == this && peer != this ? &peer->Model() : nullptr;
}

void FormPeer::MoveFocus(bool backwards) {
    FocusControl(NextFocus(form_model_, FocusedControl(), backwards));
}

void FormPeer::FocusControl(Control* control) {
    const std::vector<Control*> order = FocusOrder(form_model_);
    if (control == nullptr || std::find(order.begin(), order.end(), control) == order.end()) {
        control = order.empty() ? nullptr : order.front();
    }
    if (control == nullptr || control->Peer() == nullptr) {
        return;
    }
    HWND window = static_cast<WindowPeer*>(control->Peer())->Window();
    SetFocus(window);
    SelectAll(*control, window);
}

}  // namespace kelvaro
