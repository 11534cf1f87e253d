// Implements Win32Backend's forms and services: Realize (the windows of a form and its controls,
// made in tab order), FormDestroying, modal bookkeeping, MessageBox, ShowPopupMenu (at a point
// in pixels of the screen, as MouseScreenPosition gives it) and WindowOf.
// The message loops live in message_loop_win32.cpp.
#include "platform/win32/win32_backend.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/win32/control_peers.h"
#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_classes.h"

namespace kelvaro {

namespace {

// Controls that draw on their parent in the form designer; their windows lie under the others.
bool DrawsOnParent(const Control& control) {
    switch (control.Kind()) {
        case ControlKind::Label:
        case ControlKind::Bevel:
        case ControlKind::Image:
        case ControlKind::Gauge:
            return true;
        default:
            return false;
    }
}

void MakeChildren(Win32Backend& backend, Control& parent, WindowPeer& parentPeer, FormPeer& form,
                  std::vector<WindowPeer*>& made) {
    for (Control* child : parent.ChildrenInTabOrder()) {
        std::unique_ptr<WindowPeer> peer = MakeControlPeer(backend, *child, form);
        WindowPeer& created = *peer;
        child->SetPeer(std::move(peer));
        created.Create(parentPeer.Host());
        made.push_back(&created);
        MakeChildren(backend, *child, created, form, made);
    }
}

// Stacks the windows as the layout lists them, a later control over an earlier one where they
// overlap (the "…" button lies on the end of its edit), and those that draw on their parent
// last. Focus moves in the model's tab order whatever the stacking.
void StackWindows(const Control& parent) {
    HWND after = HWND_TOP;
    for (bool onParent : {false, true}) {
        const std::vector<Control*>& children = parent.Children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            Control* child = *it;
            auto* peer = static_cast<WindowPeer*>(child->Peer());
            if (peer == nullptr || DrawsOnParent(*child) != onParent) {
                continue;
            }
            for (HWND window : peer->Windows()) {
                SetWindowPos(window, after, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
                after = window;
            }
            StackWindows(*child);
        }
    }
}

}  // namespace

std::unique_ptr<WindowPeer> MakeControlPeer(Win32Backend& backend, Control& control,
                                            FormPeer& form) {
    switch (control.Kind()) {
        case ControlKind::Edit:
            return std::make_unique<EditPeer>(backend, control, &form);
        case ControlKind::ComboBox:
            return std::make_unique<ComboBoxPeer>(backend, control, &form);
        case ControlKind::SpinEdit:
            return std::make_unique<SpinEditPeer>(backend, control, &form);
        case ControlKind::CheckBox:
            return std::make_unique<CheckBoxPeer>(backend, control, &form);
        case ControlKind::Button:
            return std::make_unique<ButtonPeer>(backend, control, &form);
        case ControlKind::Label:
            return std::make_unique<LabelPeer>(backend, control, &form);
        case ControlKind::GroupBox:
            return std::make_unique<GroupBoxPeer>(backend, control, &form);
        case ControlKind::Panel:
            return std::make_unique<PanelPeer>(backend, control, &form);
        case ControlKind::Bevel:
            return std::make_unique<BevelPeer>(backend, control, &form);
        case ControlKind::Image:
            return std::make_unique<ImagePeer>(backend, control, &form);
        case ControlKind::PageControl:
            return std::make_unique<PageControlPeer>(backend, control, &form);
        case ControlKind::TabSheet:
            return std::make_unique<TabSheetPeer>(backend, control, &form);
        case ControlKind::Gauge:
            return std::make_unique<GaugePeer>(backend, control, &form);
        case ControlKind::Form:
            break;
    }
    throw std::logic_error("a form cannot hold the control " + control.Name());
}

Win32Backend::Win32Backend(HINSTANCE instance)
    : instance_(instance != nullptr ? instance : GetModuleHandleW(nullptr)) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                     ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
    RegisterWindowClasses(instance_);
    service_ = CreateWindowExW(0, kServiceClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               instance_, this);
    if (service_ == nullptr) {
        throw std::runtime_error("the main thread's message window could not be made");
    }
}

Win32Backend::~Win32Backend() {
    Detach();
    DestroyWindow(service_);
}

void Win32Backend::Realize(Form& form) {
    if (form.Peer() != nullptr) {
        return;
    }
    Attach(form.App());
    FormPeer* main = MainFormPeer();
    auto owned = std::make_unique<FormPeer>(*this, form);
    FormPeer& peer = *owned;
    form.SetPeer(std::move(owned));
    peer.Create(main != nullptr ? main->Window() : nullptr);

    std::vector<WindowPeer*> made;
    MakeChildren(*this, form, peer, peer, made);
    StackWindows(form);
    peer.ApplyFontTree();
    for (WindowPeer* control : made) {
        control->ShowState();
    }
    peer.ShowState();
    peer.LayOut();
}

void Win32Backend::FormDestroying(Form& form) {
    auto* peer = static_cast<FormPeer*>(form.Peer());
    if (peer != nullptr && peer->Window() != nullptr) {
        DestroyWindow(peer->Window());  // WM_DESTROY detaches the form's peers
    }
}

void Win32Backend::FormWindowCreated(FormPeer& form) {
    forms_.push_back(&form);
}

void Win32Backend::FormWindowGone(FormPeer& form) {
    for (const auto& control : form.FormModel().Controls()) {
        if (auto* peer = static_cast<WindowPeer*>(control->Peer())) {
            peer->Detach();
        }
    }
    form.Detach();
    EndModal(form);
    std::erase(forms_, &form);
    // The application may go once its last window has: forget its queue before it does.
    const bool othersLeft = std::any_of(forms_.begin(), forms_.end(), [&](FormPeer* other) {
        return &other->FormModel().App() == application_;
    });
    if (!othersLeft) {
        Detach();
    }
}

void Win32Backend::Register(HWND window, WindowPeer* peer) {
    if (window != nullptr) {
        peers_[window] = peer;
    }
}

void Win32Backend::Unregister(HWND window) {
    peers_.erase(window);
}

bool Win32Backend::DeferText(WindowPeer& peer) {
    if (!runningSteps_) {
        return false;
    }
    if (std::find(deferredTexts_.begin(), deferredTexts_.end(), &peer) == deferredTexts_.end()) {
        deferredTexts_.push_back(&peer);
    }
    return true;
}

void Win32Backend::ForgetDeferredText(WindowPeer& peer) {
    deferredTexts_.erase(std::remove(deferredTexts_.begin(), deferredTexts_.end(), &peer),
                         deferredTexts_.end());
}

void Win32Backend::ShowDeferredTexts() {
    const bool running = runningSteps_;
    runningSteps_ = false;
    std::vector<WindowPeer*> deferred;
    deferred.swap(deferredTexts_);
    for (WindowPeer* peer : deferred) {
        peer->Changed(Property::Text);
    }
    runningSteps_ = running;
}

WindowPeer* Win32Backend::PeerOf(HWND window) const {
    for (HWND walk = window; walk != nullptr && walk != GetDesktopWindow();
         walk = GetAncestor(walk, GA_PARENT)) {
        const auto found = peers_.find(walk);
        if (found != peers_.end()) {
            return found->second;
        }
    }
    return nullptr;
}

FormPeer* Win32Backend::MainFormPeer() const {
    Form* main = application_ != nullptr ? application_->MainForm() : nullptr;
    auto* peer = main != nullptr ? static_cast<FormPeer*>(main->Peer()) : nullptr;
    return peer != nullptr && peer->Window() != nullptr ? peer : nullptr;
}

HWND Win32Backend::WindowOf(const Control& control) const {
    auto* peer = static_cast<WindowPeer*>(control.Peer());
    return peer != nullptr ? peer->Window() : nullptr;
}

void Win32Backend::WhenShown(const std::string& formName, FormScript script) {
    shownScripts_[formName] = std::move(script);
}

void Win32Backend::BeginModal(FormPeer& form) {
    ModalRecord record{&form, {}, GetActiveWindow()};
    for (FormPeer* other : forms_) {
        HWND window = other->Window();
        if (other != &form && window != nullptr && IsWindowVisible(window) &&
            IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            record.disabled.push_back(window);
        }
    }
    modals_.push_back(std::move(record));
}

HWND Win32Backend::EndModal(FormPeer& form) {
    const auto found = std::find_if(modals_.begin(), modals_.end(), [&](const ModalRecord& record) {
        return record.form == &form;
    });
    if (found == modals_.end()) {
        return nullptr;
    }
    for (HWND window : found->disabled) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    HWND previous = found->previousActive;
    modals_.erase(found);
    return previous;
}

HWND Win32Backend::MessageBoxOwner() const {
    HWND active = GetActiveWindow();
    if (active != nullptr) {
        for (FormPeer* form : forms_) {
            if (form->Window() == active) {
                return active;
            }
        }
    }
    if (!modals_.empty() && modals_.back().form->Window() != nullptr) {
        return modals_.back().form->Window();
    }
    for (auto form = forms_.rbegin(); form != forms_.rend(); ++form) {
        HWND window = (*form)->Window();
        if (window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window)) {
            return window;
        }
    }
    return nullptr;
}

int Win32Backend::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    ShowDeferredTexts();  // a message from a step shows over what the step has set
    if (answerer_) {
        answered_.push_back({text, caption, flags});
        return answerer_(answered_.back());
    }
    HWND owner = MessageBoxOwner();
    return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(),
                       flags | (owner == nullptr ? MB_TASKMODAL : 0));
}

void Win32Backend::MouseScreenPosition(int& x, int& y) {
    POINT at{0, 0};
    GetCursorPos(&at);
    x = at.x;
    y = at.y;
}

void Win32Backend::ShowPopupMenu(PopupMenu& menu, int screenX, int screenY) {
    HWND owner = MessageBoxOwner();
    if (owner == nullptr) {
        return;
    }
    MenuCommands commands(1);
    HMENU popup = commands.BuildPopup(menu);
    const auto chosen = static_cast<UINT>(TrackPopupMenuEx(
        popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screenX, screenY, owner, nullptr));
    DestroyMenu(popup);
    MenuItem* item = chosen != 0 ? commands.ItemFor(chosen) : nullptr;
    if (item != nullptr) {
        if (application_ != nullptr) {
            application_->Guard([&] { item->Click(); });
        } else {
            item->Click();
        }
    }
}

}  // namespace kelvaro
