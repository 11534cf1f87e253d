// Menus of the Win32 backend: a form's menu bar and the pop-up menus, built from the model's
// items, with the command ids that lead back to them.
#pragma once

#include <map>

#include "platform/menu.h"
#include "platform/win32/win32_api.h"

namespace kelvaro {

class MenuCommands {
  public:
    explicit MenuCommands(UINT firstId) : nextId_(firstId) {}
    // A menu bar with a drop-down menu for each item of the model's bar.
    HMENU BuildBar(MenuItem& bar);
    HMENU BuildPopup(MenuItem& menu);
    // The item a command id stands for, or nullptr.
    MenuItem* ItemFor(UINT id) const;

  private:
    void AddItems(HMENU menu, MenuItem& parent);

    UINT nextId_;
    std::map<UINT, MenuItem*> items_;
};

// The caption "-" makes a separator, as in the form designer.
bool IsSeparator(const MenuItem& item);

}  // namespace kelvaro
