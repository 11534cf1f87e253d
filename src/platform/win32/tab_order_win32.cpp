// Implements the focus order of a form from the model's tab orders and tab stops.
#include "platform/win32/tab_order_win32.h"

#include <algorithm>

#include "platform/controls.h"

namespace kelvaro {

namespace {

bool Focusable(const Control& control) {
    switch (control.Kind()) {
        case ControlKind::Edit:
        case ControlKind::ComboBox:
        case ControlKind::SpinEdit:
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::PageControl:
            return control.TabStop();
        default:
            return false;
    }
}

bool ShowsNow(const Control& control) {
    if (!control.Visible() || !control.Enabled()) {
        return false;
    }
    if (control.Kind() == ControlKind::TabSheet && control.Parent() != nullptr &&
        control.Parent()->Kind() == ControlKind::PageControl) {
        return static_cast<const PageControl*>(control.Parent())->ActivePage() == &control;
    }
    return true;
}

void Collect(const Control& container, std::vector<Control*>& order) {
    for (Control* child : container.ChildrenInTabOrder()) {
        if (!ShowsNow(*child)) {
            continue;
        }
        if (Focusable(*child)) {
            order.push_back(child);
        }
        Collect(*child, order);
    }
}

bool Contains(const Control& ancestor, const Control& control) {
    for (const Control* walk = &control; walk != nullptr; walk = walk->Parent()) {
        if (walk == &ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<Control*> FocusOrder(const Control& container) {
    std::vector<Control*> order;
    Collect(container, order);
    return order;
}

Control* NextFocus(const Control& form, const Control* from, bool backwards) {
    const std::vector<Control*> order = FocusOrder(form);
    if (order.empty()) {
        return nullptr;
    }
    const auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end()) {
        return backwards ? order.back() : order.front();
    }
    const std::size_t index = static_cast<std::size_t>(at - order.begin());
    const std::size_t count = order.size();
    return order[backwards ? (index + count - 1) % count : (index + 1) % count];
}

Control* LabelTarget(const Control& form, const Control& label) {
    if (label.Parent() == nullptr) {
        return nullptr;
    }
    const std::vector<Control*> order = FocusOrder(form);
    const auto& siblings = label.Parent()->Children();
    auto after = std::find(siblings.begin(), siblings.end(), &label);
    for (auto it = after == siblings.end() ? after : after + 1; it != siblings.end(); ++it) {
        for (Control* candidate : order) {
            if (Contains(**it, *candidate)) {
                return candidate;
            }
        }
    }
    return nullptr;
}

}  // namespace kelvaro
