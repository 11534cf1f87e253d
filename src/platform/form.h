// A form: a top-level window that owns its controls, with modal show, close and its events.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/menu.h"

namespace kelvaro {

class Application;

class Form : public Control {
  public:
    using CloseHandler = std::function<void(Control& sender, CloseAction& action)>;
    using LimitsHandler = std::function<void(MinMaxInfo& limits)>;

    Form(Application& application, std::string name);
    ~Form() override;

    Application& App() const { return application_; }

    // The form owns every control on it; parent is the form itself or a control on it.
    template <class T>
    T& Add(std::string name, Control* parent) {
        auto control = std::make_unique<T>(std::move(name), parent);
        T& added = *control;
        controls_.push_back(std::move(control));
        return added;
    }
    // The control of that name and kind on this form; throws when there is none.
    template <class T>
    T& Get(const std::string& name) const {
        T* control = dynamic_cast<T*>(Find(name));
        if (control == nullptr) {
            throw std::logic_error("form " + Name() + " has no control " + name + " of that kind");
        }
        return *control;
    }
    Control* Find(const std::string& name) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    MainMenu* Menu() const { return menu_.get(); }
    MainMenu& SetMenu(std::unique_ptr<MainMenu> menu);
    // Pop-up menus and their items belong to the form and die with it.
    PopupMenu& AddPopupMenu(std::string name);

    BorderStyle Border() const { return border_; }
    void SetBorder(BorderStyle border) { border_ = border; }
    bool HasMinimizeBox() const { return minimizeBox_; }
    bool HasMaximizeBox() const { return maximizeBox_; }
    void SetBorderIcons(bool minimizeBox, bool maximizeBox) {
        minimizeBox_ = minimizeBox;
        maximizeBox_ = maximizeBox;
    }
    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }
    // The client area at 96 DPI is the form's bounds; left and top are chosen by the system.
    void SetClientSize(int width, int height) { SetBounds({0, 0, width, height}); }

    WindowState GetWindowState() const { return windowState_; }
    void SetWindowState(WindowState state);

    int ModalResult() const { return modalResult_; }
    // A non-zero result on a modal form closes it, as its close box would.
    void SetModalResult(int result);
    bool IsModal() const { return modal_; }

    // Shows the form modally: runs its show event, then a message loop until it is hidden.
    int ShowModal();
    void Show();
    void Hide();
    // Closes the form as its close box does: the close event decides; the main form's close
    // ends the application.
    void Close();
    bool Showing() const { return Visible(); }

    Handler OnShow;
    Handler OnCreate;
    CloseHandler OnClose;
    LimitsHandler OnGetMinMaxInfo;

  private:
    void Realize();

    Application& application_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<MainMenu> menu_;
    std::vector<std::unique_ptr<PopupMenu>> popups_;
    BorderStyle border_ = BorderStyle::Sizeable;
    bool minimizeBox_ = true;
    bool maximizeBox_ = true;
    FormPosition position_ = FormPosition::Default;
    WindowState windowState_ = WindowState::Normal;
    int modalResult_ = mrNone;
    bool modal_ = false;
};

}  // namespace kelvaro
