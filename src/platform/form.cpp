#include "platform/form.h"

#include "platform/application.h"
#include "platform/backend.h"

namespace kelvaro {

Form::Form(Application& application, std::string name)
    : Control(ControlKind::Form, std::move(name), nullptr), application_(application) {
    SetVisible(false);
}

Form::~Form() {
    application_.GetBackend().FormDestroying(*this);
    // Controls go before the form, the innermost first.
    while (!controls_.empty()) {
        controls_.pop_back();
    }
}

Control* Form::Find(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

MainMenu& Form::SetMenu(std::unique_ptr<MainMenu> menu) {
    menu_ = std::move(menu);
    return *menu_;
}

PopupMenu& Form::AddPopupMenu(std::string name) {
    popups_.push_back(std::make_unique<PopupMenu>(std::move(name), application_.GetBackend()));
    return *popups_.back();
}

void Form::SetWindowState(WindowState state) {
    if (state != windowState_) {
        windowState_ = state;
        Notify(Property::WindowState);
    }
}

void Form::SetModalResult(int result) {
    modalResult_ = result;
    if (modal_ && result != mrNone && Visible()) {
        Close();
    }
}

void Form::Realize() {
    if (Peer() == nullptr) {
        application_.GetBackend().Realize(*this);
    }
}

int Form::ShowModal() {
    if (modal_ || Visible()) {
        throw std::logic_error("form " + Name() + " is shown already");
    }
    Realize();
    modal_ = true;
    modalResult_ = mrNone;
    if (OnShow) {
        OnShow(*this);
    }
    SetVisible(true);
    try {
        application_.GetBackend().RunModal(*this);
    } catch (...) {
        modal_ = false;
        SetVisible(false);
        throw;
    }
    modal_ = false;
    SetVisible(false);
    return modalResult_;
}

void Form::Show() {
    Realize();
    if (!Visible()) {
        if (OnShow) {
            OnShow(*this);
        }
        SetVisible(true);
    }
}

void Form::Hide() {
    SetVisible(false);
}

void Form::Close() {
    const bool isMain = application_.MainForm() == this;
    CloseAction action = isMain ? CloseAction::Free : CloseAction::Hide;
    if (OnClose) {
        OnClose(*this, action);
    }
    if (action == CloseAction::None) {
        if (modal_) {
            modalResult_ = mrNone;
        }
        return;
    }
    if (modal_ && modalResult_ == mrNone) {
        modalResult_ = mrCancel;
    }
    if (action == CloseAction::Minimize) {
        SetWindowState(WindowState::Minimized);
        return;
    }
    Hide();
    if (isMain) {
        application_.Terminate();
    }
}

}  // namespace kelvaro
