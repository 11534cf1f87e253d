// Implements MenuCommands: CreateMenu / CreatePopupMenu / AppendMenuW, with the default item
// drawn bold through SetMenuDefaultItem.
#include "platform/win32/menus_win32.h"

#include "platform/win32/wide.h"

namespace kelvaro {

bool IsSeparator(const MenuItem& item) {
    return item.Caption() == "-";
}

HMENU MenuCommands::BuildBar(MenuItem& bar) {
    HMENU menu = CreateMenu();
    AddItems(menu, bar);
    return menu;
}

HMENU MenuCommands::BuildPopup(MenuItem& parent) {
    HMENU menu = CreatePopupMenu();
    AddItems(menu, parent);
    return menu;
}

void MenuCommands::AddItems(HMENU menu, MenuItem& parent) {
    for (const auto& owned : parent.Items()) {
        MenuItem& item = *owned;
        const std::wstring caption = Widen(item.Caption());
        if (IsSeparator(item)) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.Items().empty()) {
            AppendMenuW(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup(item)),
                        caption.c_str());
        } else {
            const UINT id = nextId_++;
            items_[id] = &item;
            AppendMenuW(menu, MF_STRING, id, caption.c_str());
            if (item.IsDefault()) {
                SetMenuDefaultItem(menu, id, FALSE);
            }
        }
    }
}

MenuItem* MenuCommands::ItemFor(UINT id) const {
    const auto found = items_.find(id);
    return found == items_.end() ? nullptr : found->second;
}

}  // namespace kelvaro
