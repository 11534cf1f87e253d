// A label that behaves like a link in a web page: it takes its colours and underlining from the
// link settings that Internet Explorer keeps for the user, changes colour under the mouse,
// opens its caption when clicked (a web address in the browser, anything else as an e-mail
// address in the mail program), and offers Open and Copy in a context menu.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace kelvaro {

class Application;

// The four link settings, as Internet Explorer writes them.
struct TSettings {
    std::string AnchorColor = "0,0,255";
    std::string AnchorColorHover = "255,0,0";
    std::string AnchorColorVisited = "255,0,255";
    std::string UseAnchorHoverColor = "no";
};

enum TProtocol { pHttp = 0, pMail = 1 };

class THTLabel : public Label {
  public:
    THTLabel(std::string name, Control* parent);

    // Reads the link settings from the registry; a missing value keeps its default.
    void ReadSettings();
    // Sets the colour and underlining from the hover state and the settings.
    void Paint();
    // Shows the visited colour and opens the caption.
    void Click() override;
    void MouseDown(MouseButton button, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ClickHTLabel(MenuItem& sender);
    void CopyURL(MenuItem& sender);

    bool Hovered() const { return hover_; }
    const TSettings& Settings() const { return settings_; }
    PopupMenu& Menu() const { return *menu_; }

  private:
    Application& App();

    TSettings settings_;
    bool hover_ = false;
    PopupMenu* menu_;
};

// Opens the address with the program the system has for it; reports nothing.
void OpenAddress(Shell& shell, Registry& registry, const std::string& address, TProtocol protocol);
// The default value of a key; false, leaving the result as it was, when it cannot be read.
bool GetRegKey(Registry& registry, RegistryRoot root, const std::string& key, std::string& result);
// "red,green,blue" as a palette-relative colour (0x02BBGGRR). Throws ConvertError for any other
// text, parts outside 0 to 255 among them.
Color RegStrToColor(const std::string& text);
// A registered open command ready for an address: the "%1" placeholder and the character before
// it are removed, then a blank and the address are appended.
std::string CommandForAddress(std::string command, const std::string& address);

}  // namespace kelvaro
