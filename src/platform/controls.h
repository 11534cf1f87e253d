// The controls of the platform model. Each keeps its state and the library's rules for it;
// a backend shows it and feeds the user's input back through the same calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/control.h"

namespace kelvaro {

class Edit : public Control {
  public:
    Edit(std::string name, Control* parent) : Control(ControlKind::Edit, std::move(name), parent) {
        SetTabStop(true);
    }
};

// A combo box with an editable text field and a drop-down list.
class ComboBox : public Control {
  public:
    ComboBox(std::string name, Control* parent)
        : Control(ControlKind::ComboBox, std::move(name), parent) {
        SetTabStop(true);
    }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    // The user picks a list item: its text becomes the field's text.
    void Choose(std::size_t index);

  private:
    std::vector<std::string> items_;
};

// An integer spin box. Its value is its text read as an integer, an unconvertible text reading as
// the least value; a value that is set is clamped into the range and written as text.
class SpinEdit : public Control {
  public:
    SpinEdit(std::string name, Control* parent)
        : Control(ControlKind::SpinEdit, std::move(name), parent) {
        SetTabStop(true);
        SetText("0");
    }
    std::int32_t MinValue() const { return min_; }
    std::int32_t MaxValue() const { return max_; }
    void SetRange(std::int32_t least, std::int32_t greatest);
    std::int32_t Value() const;
    void SetValue(std::int32_t value);
    // The arrow buttons and keys.
    void StepUp() { SetValue(Value() + (Value() < max_ ? 1 : 0)); }
    void StepDown() { SetValue(Value() - (Value() > min_ ? 1 : 0)); }

  private:
    std::int32_t Clamp(std::int32_t value) const;
    std::int32_t min_ = 0;
    std::int32_t max_ = 0;
};

class CheckBox : public Control {
  public:
    CheckBox(std::string name, Control* parent)
        : Control(ControlKind::CheckBox, std::move(name), parent) {
        SetTabStop(true);
    }
    bool Checked() const { return checked_; }
    // A change of state fires the click event.
    void SetChecked(bool checked);
    // A click by the user toggles the box.
    void Click() override { SetChecked(!checked_); }

  private:
    bool checked_ = false;
};

class Button : public Control {
  public:
    Button(std::string name, Control* parent)
        : Control(ControlKind::Button, std::move(name), parent) {
        SetTabStop(true);
    }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool IsDefault() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    bool IsCancel() const { return cancel_; }
    void SetCancel(bool isCancel) { cancel_ = isCancel; }
    // Runs the click event, then hands the modal result, if any, to the form.
    void Click() override;

  private:
    int modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};

class Label : public Control {
  public:
    Label(std::string name, Control* parent)
        : Control(ControlKind::Label, std::move(name), parent) {}
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap) { wordWrap_ = wrap; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    TextAlign Alignment() const { return alignment_; }
    void SetAlignment(TextAlign alignment) { alignment_ = alignment; }

  private:
    bool wordWrap_ = false;
    bool autoSize_ = true;
    TextAlign alignment_ = TextAlign::Left;
};

class GroupBox : public Control {
  public:
    GroupBox(std::string name, Control* parent)
        : Control(ControlKind::GroupBox, std::move(name), parent) {}
};

enum class BevelCut { None, Lowered, Raised };

class Panel : public Control {
  public:
    Panel(std::string name, Control* parent)
        : Control(ControlKind::Panel, std::move(name), parent) {}
    BevelCut BevelInner() const { return inner_; }
    BevelCut BevelOuter() const { return outer_; }
    void SetBevels(BevelCut inner, BevelCut outer) {
        inner_ = inner;
        outer_ = outer;
    }

  private:
    BevelCut inner_ = BevelCut::None;
    BevelCut outer_ = BevelCut::Raised;
};

// A rule; aligned to the top it spans its parent's width.
class Bevel : public Control {
  public:
    Bevel(std::string name, Control* parent)
        : Control(ControlKind::Bevel, std::move(name), parent) {}
    bool AlignTop() const { return alignTop_; }
    void SetAlignTop(bool alignTop) { alignTop_ = alignTop; }

  private:
    bool alignTop_ = false;
};

// A picture from the program's resources.
class Image : public Control {
  public:
    Image(std::string name, Control* parent)
        : Control(ControlKind::Image, std::move(name), parent) {}
    int ResourceId() const { return resourceId_; }
    void SetResourceId(int id) { resourceId_ = id; }
    // Stretched to the control's size, drawn transparent.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { stretch_ = stretch; }

  private:
    int resourceId_ = 0;
    bool stretch_ = false;
};

class TabSheet : public Control {
  public:
    TabSheet(std::string name, Control* parent)
        : Control(ControlKind::TabSheet, std::move(name), parent) {}
    Handler OnShow;
};

class PageControl : public Control {
  public:
    PageControl(std::string name, Control* parent)
        : Control(ControlKind::PageControl, std::move(name), parent) {
        SetTabStop(true);
    }
    std::vector<TabSheet*> Pages() const;
    TabSheet* ActivePage() const;
    // Shows the page and fires its show event.
    void SetActivePage(TabSheet* page);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }

  private:
    TabSheet* active_ = nullptr;
    bool multiLine_ = false;
};

// A horizontal bar over a range that prints its percentage. It refuses a least value above its
// greatest and a greatest below its least, and holds its progress inside the range.
class Gauge : public Control {
  public:
    Gauge(std::string name, Control* parent)
        : Control(ControlKind::Gauge, std::move(name), parent) {}
    std::int32_t MinValue() const { return min_; }
    std::int32_t MaxValue() const { return max_; }
    std::int32_t Progress() const { return progress_; }
    void SetMinValue(std::int32_t value);
    void SetMaxValue(std::int32_t value);
    void SetProgress(std::int32_t value);
    int PercentDone() const;

  private:
    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t progress_ = 0;
};

}  // namespace kelvaro
