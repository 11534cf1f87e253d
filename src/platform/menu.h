// Menus: the menu bar of a form and the pop-up menus of controls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kelvaro {

class Backend;

class MenuItem {
  public:
    using Handler = std::function<void(MenuItem& sender)>;

    MenuItem(std::string name, std::string caption)
        : name_(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    bool IsDefault() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }

    MenuItem& Add(std::string name, std::string caption);
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    // The item of this name here or further down, or nullptr.
    MenuItem* Find(const std::string& name);

    Handler OnClick;
    // The user chooses the item.
    void Click();

  private:
    std::string name_;
    std::string caption_;
    bool default_ = false;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// A form's menu bar: its items are the menus, and theirs the commands.
class MainMenu : public MenuItem {
  public:
    explicit MainMenu(std::string name) : MenuItem(std::move(name), {}) {}
};

class PopupMenu : public MenuItem {
  public:
    PopupMenu(std::string name, Backend& backend)
        : MenuItem(std::move(name), {}), backend_(backend) {}
    // Shows the menu at a point of the screen and runs the item the user chooses.
    void Popup(int screenX, int screenY);

  private:
    Backend& backend_;
};

}  // namespace kelvaro
