// The user's input on real windows reaches the model through the calls the model offers: typing
// into text fields, clicks on buttons and check boxes, picks from lists, arrows, tabs and menus.
#include <functional>
#include <string>
#include <vector>

#include "windows/win32_fixture.h"

namespace kelvaro {
namespace {

FormLayout InputLayout() {
    return {
        .name = "Input",
        .caption = "入力",
        .clientWidth = 320,
        .clientHeight = 240,
        .controls =
            {
                {.kind = ControlKind::Edit, .name = "Edit", .bounds = {8, 8, 200, 24}},
                {.kind = ControlKind::ComboBox,
                 .name = "Combo",
                 .bounds = {8, 40, 200, 24},
                 .items = {"無制限", "10", "100"}},
                {.kind = ControlKind::SpinEdit,
                 .name = "Spin",
                 .bounds = {8, 72, 80, 24},
                 .minValue = 0,
                 .maxValue = 5},
                {.kind = ControlKind::CheckBox,
                 .name = "Check",
                 .bounds = {8, 104, 200, 20},
                 .text = "コピーモード(&C)"},
                {.kind = ControlKind::Button,
                 .name = "Button",
                 .bounds = {220, 8, 90, 28},
                 .text = "開始(&S)"},
                {.kind = ControlKind::PageControl, .name = "Pages", .bounds = {8, 130, 300, 100}},
                {.kind = ControlKind::TabSheet,
                 .name = "PageFrom",
                 .parent = "Pages",
                 .text = "From"},
                {.kind = ControlKind::TabSheet, .name = "PageTo", .parent = "Pages", .text = "To"},
            },
        .menuName = "Menu",
        .menu =
            {
                {.name = "FileMenu", .caption = "ファイル(&F)"},
                {.name = "Exit", .caption = "終了(&X)", .parent = "FileMenu"},
            },
    };
}

class Win32Input : public Win32Test {
  protected:
    void SetUp() override {
        form = Make(InputLayout());
        form->Show();
    }

    // The window the user types into: a combo box's edit field, or the control's own window.
    HWND TypingWindow(const Control& control) const {
        HWND window = Window(control);
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (control.Kind() == ControlKind::ComboBox && GetComboBoxInfo(window, &info)) {
            return info.hwndItem;
        }
        return window;
    }

    std::unique_ptr<Form> form;
};

TEST_F(Win32Input, TypingInATextFieldReachesTheModelAndFiresOneChangeEventPerChange) {
    for (const char* name : {"Edit", "Combo", "Spin"}) {
        SCOPED_TRACE(name);
        Control& field = *form->Find(name);
        std::vector<std::string> seen;
        field.OnChange = [&](Control& sender) { seen.push_back(sender.Text()); };
        HWND typing = TypingWindow(field);

        SendMessageW(typing, EM_SETSEL, 0, -1);
        SendMessageW(typing, WM_CHAR, L'4', 1);
        SendMessageW(typing, WM_CHAR, L'2', 1);
        EXPECT_EQ(field.Text(), "42");
        SendMessageW(typing, EM_SETSEL, 0, -1);
        SendMessageW(typing, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"連番3"));
        EXPECT_EQ(field.Text(), "連番3");
        SendMessageW(typing, WM_CHAR, VK_BACK, 1);
        EXPECT_EQ(field.Text(), "連番");

        // A text the model writes shows in the window, and its echo fires nothing more.
        field.SetText("img###.jpg");
        EXPECT_EQ(TextOf(typing), "img###.jpg");
        EXPECT_EQ(seen, (std::vector<std::string>{"4", "42", "連番3", "連番", "img###.jpg"}));
        field.OnChange = nullptr;
    }
}

TEST_F(Win32Input, ClicksOnButtonsAndCheckBoxesFireTheirClickEvents) {
    auto& check = form->Get<CheckBox>("Check");
    int checkClicks = 0;
    check.OnClick = [&](Control&) { ++checkClicks; };
    const bool expected[] = {true, false, true};
    for (bool state : expected) {
        SendMessageW(Window(check), BM_CLICK, 0, 0);
        EXPECT_EQ(check.Checked(), state);
        EXPECT_EQ(SendMessageW(Window(check), BM_GETCHECK, 0, 0),
                  state ? BST_CHECKED : BST_UNCHECKED);
    }
    check.SetChecked(false);  // the model's own change shows, and fires as a click does
    EXPECT_EQ(SendMessageW(Window(check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(checkClicks, 4);

    auto& button = form->Get<Button>("Button");
    int buttonClicks = 0;
    button.OnClick = [&](Control&) { ++buttonClicks; };
    SendMessageW(Window(button), BM_CLICK, 0, 0);
    SendMessageW(Window(button), BM_CLICK, 0, 0);
    EXPECT_EQ(buttonClicks, 2);

    // An exception from a handler goes to the exception display, and the program goes on.
    button.OnClick = [](Control&) { throw std::runtime_error("壊れた"); };
    SendMessageW(Window(button), BM_CLICK, 0, 0);
    ASSERT_EQ(backend.AnsweredMessages().size(), 1u);
    EXPECT_EQ(backend.AnsweredMessages()[0].text, "壊れた");
}

TEST_F(Win32Input, ListsArrowsTabsAndMenusReachTheModel) {
    auto& combo = form->Get<ComboBox>("Combo");
    auto& spin = form->Get<SpinEdit>("Spin");
    auto& pages = form->Get<PageControl>("Pages");
    auto& pageTo = form->Get<TabSheet>("PageTo");
    auto& pageFrom = form->Get<TabSheet>("PageFrom");
    MenuItem& exit = *form->Menu()->Find("Exit");
    int pageShows = 0;
    pageTo.OnShow = [&](Control&) { ++pageShows; };
    int exits = 0;
    exit.OnClick = [&](MenuItem&) { ++exits; };
    spin.SetValue(4);

    const auto key = [&](const Control& control, WPARAM code) {
        SendMessageW(TypingWindow(control), WM_KEYDOWN, code, 1);
        SendMessageW(TypingWindow(control), WM_KEYUP, code, 0xC0000001);
    };
    const auto clickTab = [&](int index) {
        RECT tab;
        SendMessageW(Window(pages), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
        const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        SendMessageW(Window(pages), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Window(pages), WM_LBUTTONUP, 0, at);
    };
    HMENU fileMenu = GetSubMenu(GetMenu(Window(*form)), 0);

    struct Step {
        const char* what;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Step steps[] = {
        {"combo: down arrow picks the first item", [&] { key(combo, VK_DOWN); },
         [&] { return combo.Text() == "無制限"; }},
        {"combo: down arrow again", [&] { key(combo, VK_DOWN); },
         [&] { return combo.Text() == "10" && TextOf(TypingWindow(combo)) == "10"; }},
        {"spin: up arrow steps up", [&] { key(spin, VK_UP); },
         [&] { return spin.Value() == 5 && TextOf(Window(spin)) == "5"; }},
        {"spin: up arrow at the top stays", [&] { key(spin, VK_UP); },
         [&] { return spin.Value() == 5; }},
        {"spin: down arrow steps down", [&] { key(spin, VK_DOWN); },
         [&] { return spin.Value() == 4; }},
        {"pages: a click on the second tab shows its page", [&] { clickTab(1); },
         [&] {
             return pages.ActivePage() == &pageTo && pageShows == 1 &&
                    IsWindowVisible(Window(pageTo)) && !IsWindowVisible(Window(pageFrom));
         }},
        {"pages: the model's own choice shows", [&] { pages.SetActivePage(&pageFrom); },
         [&] {
             return SendMessageW(Window(pages), TCM_GETCURSEL, 0, 0) == 0 &&
                    IsWindowVisible(Window(pageFrom)) && !IsWindowVisible(Window(pageTo));
         }},
        {"menu: a command runs its item",
         [&] {
             SendMessageW(Window(*form), WM_COMMAND, MAKEWPARAM(GetMenuItemID(fileMenu, 0), 0), 0);
         },
         [&] { return exits == 1; }},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_TRUE(step.holds()) << step.what;
    }

    wchar_t caption[64] = {};
    GetMenuStringW(GetMenu(Window(*form)), 0, caption, 64, MF_BYPOSITION);
    EXPECT_EQ(Narrow(caption), "ファイル(&F)");
}

// A label that counts what the mouse does to it, as a link label reacts to it.
class WatchedLabel : public Label {
  public:
    using Label::Label;
    void MouseEnter() override { events.push_back("enter"); }
    void MouseLeave() override { events.push_back("leave"); }
    void MouseDown(MouseButton button, int x, int y) override {
        events.push_back(std::string(button == MouseButton::Right ? "right" : "left") + " at " +
                         std::to_string(x) + "," + std::to_string(y));
    }
    void Click() override { events.push_back("click"); }
    std::vector<std::string> events;
};

FormLayout LinkLayout() {
    return {
        .name = "Link",
        .caption = "リンク",
        .clientWidth = 200,
        .clientHeight = 60,
        .controls = {{.kind = ControlKind::Label,
                      .name = "Link",
                      .bounds = {8, 8, 180, 16},
                      .text = "http://www.example.com/",
                      .cursor = Cursor::HandPoint,
                      .create = [](Form& owner, const std::string& name, Control* parent)
                          -> Control& { return owner.Add<WatchedLabel>(name, parent); }}},
    };
}

TEST_F(Win32Input, TheMouseOverALabelReachesTheModelAndShowsItsCursor) {
    auto form = Make(LinkLayout());
    form->Show();
    auto& link = form->Get<WatchedLabel>("Link");
    HWND label = Window(link);
    const LPARAM at = MAKELPARAM(Scaled(20, label), Scaled(6, label));

    SendMessageW(label, WM_MOUSEMOVE, 0, at);
    SendMessageW(label, WM_MOUSEMOVE, 0, at);  // still inside: no second enter
    EXPECT_TRUE(SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
    SendMessageW(label, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(label, WM_MOUSELEAVE, 0, 0);
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(label, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(link.events, (std::vector<std::string>{"enter", "right at 20,6", "leave",
                                                     "left at 20,6", "click"}));
}

TEST_F(Win32Input, APopupMenuRunsTheItemTheUserChoosesAndShowsItsDefaultBold) {
    PopupMenu& popup = form->AddPopupMenu("Popup");
    std::vector<std::string> chosen;
    bool defaultBold = false;
    for (const char* name : {"First", "Second", "Third"}) {
        MenuItem& item = popup.Add(name, name);
        item.OnClick = [&chosen](MenuItem& sender) { chosen.push_back(sender.Name()); };
    }
    popup.Find("Second")->SetDefault(true);
    // While the menu is up, the keys go to it: down, down, Enter chooses the second item.
    backend.Post([&] {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) -> BOOL {
                wchar_t name[16] = {};
                GetClassNameW(window, name, 16);
                if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
                    auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
                    *reinterpret_cast<bool*>(found) =
                        GetMenuDefaultItem(menu, FALSE, 0) == GetMenuItemID(menu, 1);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&defaultBold));
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
            PostMessageW(Window(*form), WM_KEYDOWN, key, 1);
        }
    });
    RECT place;
    GetWindowRect(Window(form->Get<Button>("Button")), &place);
    {
        HWND owner = Window(*form);
        Watchdog guard([owner] {
            for (int i = 0; i < 3; ++i) {
                PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 1);
            }
        });
        popup.Popup(place.left, place.bottom);
    }
    EXPECT_EQ(chosen, std::vector<std::string>{"Second"});
    EXPECT_TRUE(defaultBold);
}

}  // namespace
}  // namespace kelvaro
