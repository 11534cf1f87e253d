#include "platform/menu.h"

#include "platform/backend.h"

namespace kelvaro {

MenuItem& MenuItem::Add(std::string name, std::string caption) {
    items_.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption)));
    return *items_.back();
}

MenuItem* MenuItem::Find(const std::string& name) {
    if (name_ == name) {
        return this;
    }
    for (const auto& item : items_) {
        if (MenuItem* found = item->Find(name)) {
            return found;
        }
    }
    return nullptr;
}

void MenuItem::Click() {
    if (OnClick) {
        OnClick(*this);
    }
}

void PopupMenu::Popup(int screenX, int screenY) {
    backend_.ShowPopupMenu(*this, screenX, screenY);
}

}  // namespace kelvaro
