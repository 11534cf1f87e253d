// The portable model of a control: its state lives here, and a backend mirrors it to the screen.
//
// The rules the forms rely on are kept here, once for every backend: writing a text fires the
// change event at once and only when the text really changes; the user's typing goes through the
// same path; a check box whose state changes fires its click event.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui_types.h"

namespace kelvaro {

class Form;

enum class ControlKind {
    Form,
    Edit,
    ComboBox,
    SpinEdit,
    CheckBox,
    Button,
    Label,
    GroupBox,
    Panel,
    Bevel,
    Image,
    PageControl,
    TabSheet,
    Gauge,
};

// What a backend keeps for one control (its window); told of every change of the model's state.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void Changed(Property what) = 0;
};

class Control {
  public:
    using Handler = std::function<void(Control& sender)>;

    Control(ControlKind kind, std::string name, Control* parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    Control* Parent() const { return parent_; }
    const std::vector<Control*>& Children() const { return children_; }
    Form* OwnerForm();

    // The caption of a label, button, group box, page or form; the text of an edit or combo box.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Enabled and visible, as is every control it lies on.
    bool Usable() const;

    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& bounds);
    unsigned Anchors() const { return anchors_; }
    void SetAnchors(unsigned anchors) { anchors_ = anchors; }

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);
    // The font the control draws with: its own settings over those of the controls it lies on.
    Font EffectiveFont() const;

    const std::string& Hint() const { return hint_; }
    bool ShowHint() const { return showHint_; }
    void SetHint(const std::string& hint, bool show);

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool stop) { tabStop_ = stop; }
    bool ImeOff() const { return imeOff_; }
    void SetImeOff(bool off) { imeOff_ = off; }

    // Children in tab order (stable for equal orders).
    std::vector<Control*> ChildrenInTabOrder() const;

    Handler OnChange;
    Handler OnClick;
    std::function<void(Control& sender, MouseButton button, int x, int y)> OnMouseDown;

    Cursor GetCursor() const { return cursor_; }
    void SetCursor(Cursor cursor) { cursor_ = cursor; }

    // The mouse as a backend reports it: the pointer enters or leaves the control, a button goes
    // down at a point of the control.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseDown(MouseButton button, int x, int y);

    // A click as the user makes it; a push button also hands its modal result to its form.
    virtual void Click();

    ControlPeer* Peer() const { return peer_.get(); }
    void SetPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }

  protected:
    void Notify(Property what);
    virtual void TextChanged();

  private:
    ControlKind kind_;
    std::string name_;
    Control* parent_;
    std::vector<Control*> children_;
    std::string text_;
    bool enabled_ = true;
    bool visible_ = true;
    Rect bounds_;
    unsigned anchors_ = kAnchorsDefault;
    Font font_;
    std::string hint_;
    bool showHint_ = false;
    int tabOrder_ = 0;
    bool tabStop_ = false;
    bool imeOff_ = false;
    Cursor cursor_ = Cursor::Default;
    std::unique_ptr<ControlPeer> peer_;
};

}  // namespace kelvaro
