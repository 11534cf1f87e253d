#include "platform/control.h"

#include <algorithm>

#include "platform/form.h"

namespace kelvaro {

Control::Control(ControlKind kind, std::string name, Control* parent)
    : kind_(kind), name_(std::move(name)), parent_(parent) {
    if (parent_ != nullptr) {
        parent_->children_.push_back(this);
    }
}

Control::~Control() {
    peer_.reset();
    if (parent_ != nullptr) {
        std::erase(parent_->children_, this);
    }
}

Form* Control::OwnerForm() {
    Control* control = this;
    while (control->parent_ != nullptr) {
        control = control->parent_;
    }
    return control->kind_ == ControlKind::Form ? static_cast<Form*>(control) : nullptr;
}

void Control::SetText(const std::string& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    Notify(Property::Text);
    TextChanged();
}

void Control::TextChanged() {
    if (OnChange) {
        OnChange(*this);
    }
}

void Control::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        Notify(Property::Enabled);
    }
}

void Control::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        Notify(Property::Visible);
    }
}

bool Control::Usable() const {
    for (const Control* control = this; control != nullptr; control = control->parent_) {
        if (!control->enabled_ || !control->visible_) {
            return false;
        }
    }
    return true;
}

void Control::SetBounds(const Rect& bounds) {
    if (!(bounds == bounds_)) {
        bounds_ = bounds;
        Notify(Property::Bounds);
    }
}

void Control::SetFont(const Font& font) {
    if (!(font == font_)) {
        font_ = font;
        Notify(Property::Font);
    }
}

Font Control::EffectiveFont() const {
    Font font = parent_ != nullptr ? parent_->EffectiveFont() : Font{};
    if (!font_.name.empty()) {
        font.name = font_.name;
    }
    if (font_.height != 0) {
        font.height = font_.height;
    }
    if (font_.color != kColorDefault) {
        font.color = font_.color;
    }
    // Styles belong to the control alone.
    font.underline = font_.underline;
    font.bold = font_.bold;
    return font;
}

void Control::SetHint(const std::string& hint, bool show) {
    hint_ = hint;
    showHint_ = show;
    Notify(Property::Hint);
}

std::vector<Control*> Control::ChildrenInTabOrder() const {
    std::vector<Control*> ordered = children_;
    std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
        return a->tabOrder_ < b->tabOrder_;
    });
    return ordered;
}

void Control::Click() {
    if (OnClick) {
        OnClick(*this);
    }
}

void Control::MouseDown(MouseButton button, int x, int y) {
    if (OnMouseDown) {
        OnMouseDown(*this, button, x, y);
    }
}

void Control::Notify(Property what) {
    if (peer_) {
        peer_->Changed(what);
    }
}

}  // namespace kelvaro
