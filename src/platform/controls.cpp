#include "platform/controls.h"

#include <algorithm>

#include "platform/convert.h"
#include "platform/form.h"

namespace kelvaro {

void ComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    Notify(Property::Items);
}

void ComboBox::Choose(std::size_t index) {
    if (index < items_.size()) {
        SetText(items_[index]);
    }
}

void SpinEdit::SetRange(std::int32_t least, std::int32_t greatest) {
    min_ = least;
    max_ = greatest;
    Notify(Property::Range);
}

std::int32_t SpinEdit::Clamp(std::int32_t value) const {
    if (max_ == min_) {
        return value;  // no range set
    }
    return std::clamp(value, min_, max_);
}

std::int32_t SpinEdit::Value() const {
    try {
        return StrToInt(Text());
    } catch (const ConvertError&) {
        return min_;
    }
}

void SpinEdit::SetValue(std::int32_t value) {
    SetText(IntToStr(Clamp(value)));
}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    Notify(Property::Checked);
    Control::Click();
}

void Button::Click() {
    Control::Click();
    if (modalResult_ != mrNone) {
        if (Form* form = OwnerForm()) {
            form->SetModalResult(modalResult_);
        }
    }
}

std::vector<TabSheet*> PageControl::Pages() const {
    std::vector<TabSheet*> pages;
    for (Control* child : Children()) {
        if (child->Kind() == ControlKind::TabSheet) {
            pages.push_back(static_cast<TabSheet*>(child));
        }
    }
    return pages;
}

TabSheet* PageControl::ActivePage() const {
    if (active_ != nullptr) {
        return active_;
    }
    const std::vector<TabSheet*> pages = Pages();
    return pages.empty() ? nullptr : pages.front();
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page == nullptr || page == active_ || page->Parent() != this) {
        return;
    }
    active_ = page;
    Notify(Property::ActivePage);
    if (page->OnShow) {
        page->OnShow(*page);
    }
}

void Gauge::SetMinValue(std::int32_t value) {
    if (value > max_ || value == min_) {
        return;
    }
    min_ = value;
    progress_ = std::max(progress_, min_);
    Notify(Property::Range);
}

void Gauge::SetMaxValue(std::int32_t value) {
    if (value < min_ || value == max_) {
        return;
    }
    max_ = value;
    progress_ = std::min(progress_, max_);
    Notify(Property::Range);
}

void Gauge::SetProgress(std::int32_t value) {
    value = std::clamp(value, min_, max_);
    if (value != progress_) {
        progress_ = value;
        Notify(Property::Progress);
    }
}

int Gauge::PercentDone() const {
    const std::int64_t span = static_cast<std::int64_t>(max_) - min_;
    if (span == 0) {
        return 0;
    }
    return static_cast<int>((static_cast<std::int64_t>(progress_) - min_) * 100 / span);
}

}  // namespace kelvaro
