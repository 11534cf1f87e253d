#include <string>
#include <vector>

#include "about/uAbout.h"
#include "platform/convert.h"
#include "support/program_fixture.h"

namespace kelvaro {
namespace {

const std::string kSettingsKey = "Software\\Microsoft\\Internet Explorer\\Settings";
constexpr Color kBlue = 0x02FF0000;
constexpr Color kRed = 0x020000FF;
constexpr Color kMagenta = 0x02FF00FF;

class AboutBox : public ProgramTest {
  protected:
    // Opens the About box from the menu; the script acts on it while it is shown.
    void OpenAbout(const std::function<void(TAboutBox&)>& script) {
        backend.WhenShown("AboutBox", [&script](Form& form) {
            script(static_cast<TAboutBox&>(form));
            form.Close();
        });
        user.Choose(*Main().Menu()->Find("About1"));
    }
    void SetSetting(const std::string& name, const std::string& value) {
        backend.RegistryContents().Set(RegistryRoot::CurrentUser, kSettingsKey, name, value);
    }
};

TEST_F(AboutBox, ShowsTheProgramAndItsLinks) {
    OpenAbout([](TAboutBox& box) {
        EXPECT_EQ(box.Text(), "バージョン情報");
        EXPECT_EQ(box.ProductName->Text(), "Kelvaro");
        EXPECT_EQ(box.Version->Text(), "Version 1.1.1");
        EXPECT_EQ(box.HTLabel1->Text().rfind("http://", 0), 0u);
        EXPECT_NE(box.HTLabel1->Text().find("example.com"), std::string::npos);
        EXPECT_NE(box.HTLabel2->Text().find("@example.com"), std::string::npos);
        EXPECT_EQ(box.HTLabel1->GetCursor(), Cursor::HandPoint);
        EXPECT_TRUE(box.OKButton->IsDefault());
    });
    OpenAbout([](TAboutBox&) {});
    EXPECT_EQ(backend.ModalShows(), (std::vector<std::string>{"AboutBox", "AboutBox"}))
        << "a fresh box each time";
    EXPECT_TRUE(backend.RegistryContents().HasKey(RegistryRoot::CurrentUser,
                                                  "Software\\Microsoft\\Internet Explorer"))
        << "reading the link settings creates the key";
}

TEST_F(AboutBox, LinkColoursAndUnderliningFollowTheSettingsAndTheMouse) {
    struct PaintCase {
        const char* flag;  // nullptr: not stored
        const char* anchor;
        Color plain;
        bool plainUnderline;
        Color hovered;
        bool hoveredUnderline;
    };
    const PaintCase cases[] = {
        {nullptr, nullptr, kBlue, true, kRed, true},
        {"yes", nullptr, kBlue, false, kRed, true},
        {"Yes", nullptr, kBlue, true, kRed, true},  // the comparison is case-sensitive
        {"no", "0,128,0", 0x02008000, true, kRed, true},
        {"no", "0,128", kBlue, true, kRed, true},  // not three numbers: the default colour
        {"no", "300,0,0", kBlue, true, kRed, true},
        {"no", "a,b,c", kBlue, true, kRed, true},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(std::string(c.flag ? c.flag : "(no flag)") + " " + (c.anchor ? c.anchor : ""));
        if (c.flag != nullptr) {
            SetSetting("Use Anchor Hover Color", c.flag);
        }
        if (c.anchor != nullptr) {
            SetSetting("Anchor Color", c.anchor);
        }
        OpenAbout([&](TAboutBox& box) {
            THTLabel& web = *box.HTLabel1;
            EXPECT_EQ(web.GetFont().color, c.plain);
            EXPECT_EQ(web.GetFont().underline, c.plainUnderline);
            web.MouseEnter();
            EXPECT_EQ(web.GetFont().color, c.hovered);
            EXPECT_EQ(web.GetFont().underline, c.hoveredUnderline);
            box.HTLabel2->Paint();  // another label repainted meanwhile keeps its own colours
            EXPECT_EQ(box.HTLabel2->GetFont().color, c.plain);
            web.MouseLeave();
            EXPECT_EQ(web.GetFont().color, c.plain);
            EXPECT_EQ(web.GetFont().underline, c.plainUnderline);
        });
    }
}

TEST_F(AboutBox, ClickingOpensTheWebLinkInTheBrowserAndOthersAsMail) {
    MemoryRegistry& registry = backend.RegistryContents();
    registry.Set(RegistryRoot::ClassesRoot, ".htm", "", "htmlfile");
    registry.Set(RegistryRoot::ClassesRoot, "htmlfile\\shell\\open\\command", "",
                 "\"C:\\web.exe\" \"%1\"");
    registry.Set(RegistryRoot::ClassesRoot, "mailto\\shell\\open\\command", "",
                 "mail.exe /to:%1 /new");
    RecordingShell& shell = backend.Launches();
    OpenAbout([&](TAboutBox& box) {
        user.Click(*box.HTLabel1);
        ASSERT_EQ(shell.launches.size(), 1u);
        EXPECT_EQ(shell.launches[0].verb, "open");
        EXPECT_EQ(shell.launches[0].file, box.HTLabel1->Text());
        EXPECT_EQ(box.HTLabel1->GetFont().color, kMagenta) << "the visited colour";
        EXPECT_TRUE(shell.commandLines.empty());

        shell.result = 2;  // the shell cannot open it: the command registered for .htm files
        user.Click(*box.HTLabel1);
        user.Click(*box.HTLabel2);
        for (const char* other : {"https://www.example.com/", "HTTP://www.example.com/"}) {
            box.HTLabel1->SetText(other);
            user.Click(*box.HTLabel1);
        }
    });
    EXPECT_EQ(shell.commandLines,
              (std::vector<std::string>{"\"C:\\web.exe\" http://www.example.com/kelvaro/",
                                        "mail.exe /to /new support@example.com",
                                        "mail.exe /to /new https://www.example.com/",
                                        "mail.exe /to /new HTTP://www.example.com/"}));
}

TEST_F(AboutBox, NothingIsOpenedWhenNoCommandIsRegistered) {
    RecordingShell& shell = backend.Launches();
    shell.result = 0;
    OpenAbout([&](TAboutBox& box) {
        user.Click(*box.HTLabel1);
        user.Click(*box.HTLabel2);
    });
    EXPECT_EQ(shell.launches.size(), 1u);
    EXPECT_TRUE(shell.commandLines.empty());
    EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(AboutBox, TheContextMenuOpensOrCopiesThatLabelsAddress) {
    RecordingShell& shell = backend.Launches();
    std::vector<std::string> menus;
    std::string choose;
    backend.WhenPopup([&](PopupMenu& menu) {
        for (const auto& item : menu.Items()) {
            menus.push_back(item->Caption() + (item->IsDefault() ? " (default)" : ""));
            if (item->Caption() == choose) {
                item->Click();
            }
        }
    });
    OpenAbout([&](TAboutBox& box) {
        choose = "コピー(&C)";
        box.HTLabel2->MouseDown(MouseButton::Right, 3, 4);
        EXPECT_EQ(backend.ClipboardContents().Text(), box.HTLabel2->Text());
        choose = "開く(&O)";
        box.HTLabel1->MouseDown(MouseButton::Right, 3, 4);
        box.HTLabel1->MouseDown(MouseButton::Left, 3, 4);  // no menu for the left button
    });
    EXPECT_EQ(menus, (std::vector<std::string>{"開く(&O) (default)", "コピー(&C)",
                                               "開く(&O) (default)", "コピー(&C)"}));
    ASSERT_EQ(shell.launches.size(), 1u);
    EXPECT_EQ(shell.launches[0].file, "http://www.example.com/kelvaro/");
}

TEST(OpenCommand, ThePlaceholderAndTheCharacterBeforeItMakeWayForTheAddress) {
    const struct {
        const char* command;
        const char* line;
    } cases[] = {
        {"\"C:\\mail.exe\" \"%1\"", "\"C:\\mail.exe\" a@b"},
        {"C:\\mail.exe", "C:\\mail.exe a@b"},
        {"mail.exe /to:%1", "mail.exe /to a@b"},
        {"mail.exe -c \"%1\" -x", "mail.exe -c -x a@b"},
        {"\"%1\" rest", "\"%1\" rest a@b"},
        {"%1", "%1 a@b"},
        {"メール.exe 表%1", "メール.exe  a@b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandForAddress(c.command, "a@b"), c.line) << c.command;
    }
}

TEST(RegStrToColor, ReadsRedGreenBlueIntoAPaletteRelativeColour) {
    EXPECT_EQ(RegStrToColor("0,0,255"), kBlue);
    EXPECT_EQ(RegStrToColor("255,0,0"), kRed);
    EXPECT_EQ(RegStrToColor("255,0,255"), kMagenta);
    EXPECT_EQ(RegStrToColor("1,2,3"), 0x02030201u);
    for (const char* bad : {"", "1,2", "1,2,3,4", "1,,3", "256,0,0", "-1,0,0", "a,0,0"}) {
        EXPECT_THROW(RegStrToColor(bad), ConvertError) << bad;
    }
}

}  // namespace
}  // namespace kelvaro
