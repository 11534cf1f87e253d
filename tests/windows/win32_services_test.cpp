// The system services on Windows, reached through the whole program on real windows: the link
// settings that the user keeps for Internet Explorer in the registry, default values of keys, the
// clipboard behind a link's context menu, and the new-folder dialog on real files.
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "about/uAbout.h"
#include "main_window/uNewDir.h"
#include "windows/win32_fixture.h"
#include "windows/win32_program_fixture.h"

namespace kelvaro {
namespace {

using namespace std::chrono_literals;

const std::wstring kSettingsKey = L"Software\\Microsoft\\Internet Explorer\\Settings";

// Values and keys the test writes under HKEY_CURRENT_USER. When it goes, every value is as it was
// before the test, and the keys that were not there before are gone again.
class RegistryWrites {
  public:
    RegistryWrites() = default;
    RegistryWrites(const RegistryWrites&) = delete;
    RegistryWrites& operator=(const RegistryWrites&) = delete;
    ~RegistryWrites() {
        for (auto value = values_.rbegin(); value != values_.rend(); ++value) {
            if (value->had) {
                RegSetKeyValueW(HKEY_CURRENT_USER, value->key.c_str(), value->name.c_str(),
                                value->type, value->data.data(),
                                static_cast<DWORD>(value->data.size()));
            } else {
                RegDeleteKeyValueW(HKEY_CURRENT_USER, value->key.c_str(), value->name.c_str());
            }
        }
        for (auto key = newKeys_.rbegin(); key != newKeys_.rend(); ++key) {
            RegDeleteKeyW(HKEY_CURRENT_USER, key->c_str());  // only when it is empty
        }
    }

    // Notes a key and the keys above it that are not there yet, before anything creates them.
    void Watch(const std::wstring& key) {
        std::vector<std::wstring> missing;
        std::wstring walk = key;
        while (!walk.empty() && !Exists(walk)) {
            missing.push_back(walk);
            const std::size_t cut = walk.find_last_of(L'\\');
            walk = cut == std::wstring::npos ? std::wstring() : walk.substr(0, cut);
        }
        // Outermost first, so that they are removed innermost first.
        newKeys_.insert(newKeys_.end(), missing.rbegin(), missing.rend());
    }
    void Set(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
        Save(key, name);
        RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_SZ, text.c_str(),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void Remove(const std::wstring& key, const std::wstring& name) {
        Save(key, name);
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str());
    }

  private:
    struct Saved {
        std::wstring key{};
        std::wstring name{};
        bool had = false;
        DWORD type = REG_NONE;
        std::vector<BYTE> data{};
    };
    static bool Exists(const std::wstring& key) {
        HKEY open = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(open);
        return true;
    }
    void Save(const std::wstring& key, const std::wstring& name) {
        Watch(key);
        Saved saved{key, name};
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                         &saved.type, nullptr, &bytes) == ERROR_SUCCESS) {
            saved.data.resize(bytes);
            saved.had = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(),
                                     RRF_RT_ANY | RRF_NOEXPAND, &saved.type, saved.data.data(),
                                     &bytes) == ERROR_SUCCESS;
            saved.data.resize(bytes);
        }
        values_.push_back(std::move(saved));
    }

    std::vector<Saved> values_;
    std::vector<std::wstring> newKeys_;
};

// The colour a label's text is drawn in: what its parent answers WM_CTLCOLORSTATIC with, or the
// system's window-text colour when it leaves the colour to the system.
COLORREF DrawnColour(HWND label) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    const COLORREF colour = GetTextColor(dc) & 0x00FFFFFF;
    DeleteDC(dc);
    return colour;
}

bool DrawnUnderlined(HWND label) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfUnderline != 0;
}

// The text on the real clipboard, read as any other program reads it.
std::string ClipboardText() {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!OpenClipboard(nullptr)) {  // another program may hold it for a moment
        if (std::chrono::steady_clock::now() > deadline) {
            return "(the clipboard could not be opened)";
        }
    }
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Narrow(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(HWND owner, const std::string& text) {
    const std::wstring wide = Widen(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!OpenClipboard(owner)) {
        if (std::chrono::steady_clock::now() > deadline) {
            GlobalFree(memory);
            return;
        }
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

class Win32Services : public Win32ProgramTest {
  protected:
    // Opens the About box from the menu; the script acts on it, then OK closes it.
    void OpenAbout(const std::function<void(TAboutBox&)>& script) {
        bool shown = false;
        backend.WhenShown("AboutBox", [&](Form& form) {
            shown = true;
            auto& box = static_cast<TAboutBox&>(form);
            script(box);
            Click(*box.OKButton);
        });
        Choose("About1");
        EXPECT_TRUE(shown);
    }
};

TEST_F(Win32Services, TheUsersLinkSettingsColourAndUnderlineTheAboutBoxLinks) {
    struct LinkCase {
        const char* what;
        const wchar_t* flag;  // nullptr: not stored
        const wchar_t* anchor;
        const wchar_t* hover;
        COLORREF plain;
        bool plainUnderlined;
        COLORREF hovered;
        bool hoveredUnderlined;
    };
    const LinkCase cases[] = {
        {"nothing stored", nullptr, nullptr, nullptr, RGB(0, 0, 255), true, RGB(255, 0, 0), true},
        {"underlined only under the mouse", L"yes", L"0,128,0", L"128,0,128", RGB(0, 128, 0), false,
         RGB(128, 0, 128), true},
        {"the flag is case-sensitive", L"Yes", L"0,128,0", nullptr, RGB(0, 128, 0), true,
         RGB(255, 0, 0), true},
    };
    RegistryWrites registry;
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto store = [&](const wchar_t* name, const wchar_t* value) {
            if (value != nullptr) {
                registry.Set(kSettingsKey, name, value);
            } else {
                registry.Remove(kSettingsKey, name);
            }
        };
        store(L"Use Anchor Hover Color", c.flag);
        store(L"Anchor Color", c.anchor);
        store(L"Anchor Color Hover", c.hover);
        OpenAbout([&](TAboutBox& box) {
            HWND web = Window(*box.HTLabel1);
            HWND mail = Window(*box.HTLabel2);
            EXPECT_EQ(DrawnColour(web), c.plain);
            EXPECT_EQ(DrawnUnderlined(web), c.plainUnderlined);
            SendMessageW(web, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
            EXPECT_EQ(DrawnColour(web), c.hovered);
            EXPECT_EQ(DrawnUnderlined(web), c.hoveredUnderlined);
            EXPECT_EQ(DrawnColour(mail), c.plain) << "the other link is not under the mouse";
            SendMessageW(web, WM_MOUSELEAVE, 0, 0);
            EXPECT_EQ(DrawnColour(web), c.plain);
            EXPECT_EQ(DrawnUnderlined(web), c.plainUnderlined);
        });
    }
}

TEST_F(Win32Services, GetRegKeyReadsTheDefaultValueOfAKey) {
    std::random_device random;
    const std::string base = "Software\\KelvaroTest" + std::to_string(random());
    const std::wstring wideBase = Widen(base);
    struct KeyCleanup {
        std::wstring key;
        ~KeyCleanup() { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }
    } cleanup{wideBase};
    const std::string command = "\"C:\\Program Files\\メール\\mail.exe\" /to \"%1\"";
    const std::string longValue(300, 'x');
    const auto setDefault = [&](const std::string& key, const std::string& value) {
        const std::wstring wide = Widen(value);
        RegSetKeyValueW(HKEY_CURRENT_USER, Widen(key).c_str(), nullptr, REG_SZ, wide.c_str(),
                        static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    };
    setDefault(base + "\\mailto\\shell\\open\\command", command);
    setDefault(base + "\\long", longValue);
    RegSetKeyValueW(HKEY_CURRENT_USER, Widen(base + "\\named").c_str(), L"Name", REG_SZ, L"x",
                    2 * sizeof(wchar_t));

    struct KeyCase {
        std::string key;
        bool read;
        std::string result;  // what the result text holds afterwards
    };
    const KeyCase cases[] = {
        {base + "\\mailto\\shell\\open\\command", true, command},
        {base + "\\long", true, longValue},
        {base + "\\named", false, "as it was"},  // a key without a default value
        {base + "\\missing", false, "as it was"},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.key);
        std::string result = "as it was";
        EXPECT_EQ(GetRegKey(backend.GetRegistry(), RegistryRoot::CurrentUser, c.key, result),
                  c.read);
        EXPECT_EQ(result, c.result);
    }
}

TEST_F(Win32Services, TheCopyItemOfALinksMenuPutsItsAddressOnTheClipboard) {
    OpenAbout([&](TAboutBox& box) {
        HWND about = Window(box);
        for (THTLabel* link : {box.HTLabel1, box.HTLabel2}) {
            SCOPED_TRACE(link->Text());
            PutOnClipboard(about, "before");
            ASSERT_EQ(ClipboardText(), "before");
            // While the menu is up, its access key C chooses "コピー(&C)".
            backend.Post([about] { PostMessageW(about, WM_CHAR, L'c', 1); });
            {
                Watchdog guard([about] {
                    for (int i = 0; i < 3; ++i) {
                        PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 1);
                    }
                });
                SendMessageW(Window(*link), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
            }
            EXPECT_EQ(ClipboardText(), link->Text());
        }
    });
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Win32Services, TheNewFolderDialogMakesTheFolderAndTheToFolderFollows) {
    std::filesystem::create_directory("out");
    const std::string absolute = Root() + "\\out";
    struct NewCase {
        std::string folder;  // the To base folder typed before
        std::string name;    // typed into the dialog
        std::string path;    // the To base folder afterwards
        bool made;           // the folder is there afterwards
    };
    const NewCase cases[] = {
        {absolute, "new", absolute + "\\new", true},
        {"out\\", "写真 2024", "out\\写真 2024", true},
        {"out", "a\\b", "out\\a\\b", false},  // a is missing: nothing is made
        {"out", "new", "out\\new", true},     // there already: it simply becomes the To folder
    };
    for (const NewCase& c : cases) {
        SCOPED_TRACE(c.folder + " + " + c.name);
        Type(*Main().Edit_ToDir, c.folder);
        std::string label;
        std::string nameAtOpen;
        backend.WhenShown("OKBottomDlg", [&](Form& form) {
            auto& dialog = static_cast<TOKBottomDlg&>(form);
            label = TextOf(Window(*dialog.Label_NowDir));
            nameAtOpen = TextOf(Window(*dialog.Edit_NewDir));
            TypeKeys(*dialog.Edit_NewDir, c.name);
            Click(*dialog.OKBtn);
        });
        Click(*Main().Button_ToNew);
        EXPECT_EQ(label, "\"" + c.folder + "\"の下に作成");
        EXPECT_EQ(nameAtOpen, "");
        EXPECT_EQ(IsFolder(c.path), c.made);
        EXPECT_EQ(Shown(*Main().Edit_ToDir), c.path) << "written whether or not it was made";
        EXPECT_EQ(TextOf(Window(*Main().Label_PreStartTo)).rfind(c.path + "\\", 0), 0u)
            << "the To preview follows";
    }
    EXPECT_FALSE(IsFolder("out\\a"));
    EXPECT_TRUE(TakeMessages().empty()) << "nothing is reported";
}

}  // namespace
}  // namespace kelvaro
