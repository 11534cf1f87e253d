#include "about/Htlabel.h"

#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/convert.h"

namespace kelvaro {

namespace {

const char* const kExplorerKey = "Software\\Microsoft\\Internet Explorer";

// The colour of a setting; a text that is not three numbers from 0 to 255 gives the colour of
// the setting's default.
Color SettingColor(const std::string& text, const std::string& fallback) {
    try {
        return RegStrToColor(text);
    } catch (const ConvertError&) {
        return RegStrToColor(fallback);
    }
}

// The bytes of the UTF-8 character that ends just before the position.
std::size_t CharacterBefore(const std::string& text, std::size_t at) {
    std::size_t start = at - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
        --start;
    }
    return at - start;
}

}  // namespace

THTLabel::THTLabel(std::string name, Control* parent) : Label(std::move(name), parent) {
    ReadSettings();
    SetCursor(Cursor::HandPoint);
    hover_ = false;
    Form& owner = *OwnerForm();
    menu_ = &owner.AddPopupMenu(Name() + "Menu");
    MenuItem& open = menu_->Add(Name() + "Open", "開く(&O)");
    open.SetDefault(true);
    open.OnClick = [this](MenuItem& sender) { ClickHTLabel(sender); };
    MenuItem& copy = menu_->Add(Name() + "Copy", "コピー(&C)");
    copy.OnClick = [this](MenuItem& sender) { CopyURL(sender); };
}

Application& THTLabel::App() {
    return OwnerForm()->App();
}

void THTLabel::ReadSettings() {
    Registry& registry = App().GetBackend().GetRegistry();
    registry.CreateKey(RegistryRoot::CurrentUser, kExplorerKey);
    const TSettings defaults;
    auto read = [&registry](const char* name, const std::string& fallback) {
        return registry.ReadString(RegistryRoot::CurrentUser, kExplorerKey, "Settings", name)
            .value_or(fallback);
    };
    settings_.AnchorColor = read("Anchor Color", defaults.AnchorColor);
    settings_.AnchorColorHover = read("Anchor Color Hover", defaults.AnchorColorHover);
    settings_.AnchorColorVisited = read("Anchor Color Visited", defaults.AnchorColorVisited);
    settings_.UseAnchorHoverColor = read("Use Anchor Hover Color", defaults.UseAnchorHoverColor);
}

void THTLabel::Paint() {
    const TSettings defaults;
    const bool underlineOnlyUnderMouse = settings_.UseAnchorHoverColor == "yes";
    Font font = GetFont();
    if (!hover_) {
        font.color = SettingColor(settings_.AnchorColor, defaults.AnchorColor);
        font.underline = !underlineOnlyUnderMouse;
    } else {
        font.color = SettingColor(settings_.AnchorColorHover, defaults.AnchorColorHover);
        if (underlineOnlyUnderMouse) {
            font.underline = true;
        }
    }
    SetFont(font);
}

void THTLabel::Click() {
    Font font = GetFont();
    font.color = SettingColor(settings_.AnchorColorVisited, TSettings().AnchorColorVisited);
    SetFont(font);
    Label::Click();
    const bool web = Text().compare(0, 7, "http://") == 0;
    Backend& backend = App().GetBackend();
    OpenAddress(backend.GetShell(), backend.GetRegistry(), Text(), web ? pHttp : pMail);
}

void THTLabel::MouseDown(MouseButton button, int x, int y) {
    Label::MouseDown(button, x, y);
    if (button == MouseButton::Right) {
        int screenX = 0;
        int screenY = 0;
        App().GetBackend().MouseScreenPosition(screenX, screenY);
        menu_->Popup(screenX, screenY);
    }
}

void THTLabel::MouseEnter() {
    hover_ = true;
    Paint();
}

void THTLabel::MouseLeave() {
    hover_ = false;
    Paint();
}

void THTLabel::ClickHTLabel(MenuItem&) {
    Click();
}

void THTLabel::CopyURL(MenuItem&) {
    App().GetBackend().GetClipboard().SetText(Text());
}

bool GetRegKey(Registry& registry, RegistryRoot root, const std::string& key, std::string& result) {
    // A key that opens but has no default value readable as text counts as unreadable: there is
    // no command to run.
    const std::optional<std::string> value = registry.DefaultValue(root, key);
    if (!value) {
        return false;
    }
    result = value->substr(0, value->find('\0'));
    return true;
}

Color RegStrToColor(const std::string& text) {
    const std::size_t first = text.find(',');
    const std::size_t second =
        first == std::string::npos ? std::string::npos : text.find(',', first + 1);
    if (second == std::string::npos) {
        throw ConvertError(text);
    }
    const std::string parts[] = {text.substr(0, first), text.substr(first + 1, second - first - 1),
                                 text.substr(second + 1)};
    Color color = 0x02000000;
    int shift = 0;
    for (const std::string& part : parts) {
        const std::int32_t value = StrToInt(part);
        if (value < 0 || value > 255) {
            throw ConvertError(text);  // would spill into the neighbouring colour
        }
        color |= static_cast<Color>(value) << shift;
        shift += 8;
    }
    return color;
}

std::string CommandForAddress(std::string command, const std::string& address) {
    std::size_t at = command.find("\"%1\"");
    std::size_t length = 4;
    if (at == std::string::npos) {
        at = command.find("%1");
        length = 2;
    }
    // The character before the placeholder, normally a blank, goes with it; a placeholder at
    // the very start stays.
    if (at != std::string::npos && at > 0) {
        const std::size_t before = CharacterBefore(command, at);
        command.erase(at - before, before + length);
    }
    return command + " " + address;
}

void OpenAddress(Shell& shell, Registry& registry, const std::string& address, TProtocol protocol) {
    std::string command;
    if (protocol == pHttp) {
        if (shell.Open("open", address, "", "", kShowNormal) > 32) {
            return;
        }
        std::string fileType;
        if (!GetRegKey(registry, RegistryRoot::ClassesRoot, ".htm", fileType) ||
            !GetRegKey(registry, RegistryRoot::ClassesRoot, fileType + "\\shell\\open\\command",
                       command)) {
            return;
        }
    } else if (!GetRegKey(registry, RegistryRoot::ClassesRoot, "mailto\\shell\\open\\command",
                          command)) {
        return;
    }
    shell.RunCommandLine(CommandForAddress(command, address), kShowNormal);
}

}  // namespace kelvaro
