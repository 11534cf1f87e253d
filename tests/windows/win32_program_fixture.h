// A fixture with the whole program on the Win32 backend: the forms that start-up creates, on real
// windows, working in a fresh temporary folder that is also the current folder, so that the panes
// can name folders relative to it ("in", "out"). The user's input goes in through the windows:
// text typed into edits and combo boxes, clicks on tabs, buttons and check boxes, menu commands.
// Message boxes are answered and recorded; a modal form left open fails the test instead of
// hanging it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "main_window/startup.h"
#include "main_window/uMain.h"
#include "options/uOption.h"
#include "platform/application.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_backend.h"
#include "support/test_files.h"
#include "transfer/uOpe.h"

namespace kelvaro {

class Win32ProgramTest : public ::testing::Test, public TestFiles {
  protected:
    Win32ProgramTest() {
        namespace fs = std::filesystem;
        std::random_device random;
        do {
            root_ = fs::temp_directory_path() / ("kelvaro-win32-" + std::to_string(random()));
        } while (!fs::create_directory(root_));
        previous_ = fs::current_path();
        fs::current_path(root_);

        backend.SetModalDeadline(std::chrono::seconds(30));
        backend.AnswerMessages([](const AnsweredMessage&) { return kIdOk; });
        application = std::make_unique<Application>(backend);
        application->SetTitle("Kelvaro");
        CreateProgramForms(*application);
        MainForm->Show();
    }
    ~Win32ProgramTest() override {
        // Every worker has ended and every window has gone before the folder goes.
        application.reset();
        ForgetProgramForms();
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    TMainForm& Main() { return *MainForm; }
    HWND Window(const Control& control) const { return backend.WindowOf(control); }

    static std::string TextOf(HWND window) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        return Narrow(text);
    }
    // What the window of the control shows: the edit part of a combo box.
    std::string Shown(const Control& control) const { return TextOf(TypingWindow(control)); }

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

    // Brings the page that holds the control to the front by clicking its tab, as the user does
    // before typing into a control of the other page.
    void ShowPageOf(const Control& control) {
        for (Control* walk = control.Parent(); walk != nullptr; walk = walk->Parent()) {
            if (walk->Kind() != ControlKind::TabSheet) {
                continue;
            }
            auto& pages = static_cast<PageControl&>(*walk->Parent());
            const std::vector<TabSheet*> all = pages.Pages();
            const auto index = std::find(all.begin(), all.end(), walk) - all.begin();
            if (pages.ActivePage() != walk) {
                RECT tab;
                SendMessageW(Window(pages), TCM_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&tab));
                const LPARAM at =
                    MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
                SendMessageW(Window(pages), WM_LBUTTONDOWN, MK_LBUTTON, at);
                SendMessageW(Window(pages), WM_LBUTTONUP, 0, at);
            }
            EXPECT_EQ(pages.ActivePage(), walk) << "the tab of " << control.Name();
        }
    }

    // Whether the user can reach the control: its window is there, shown and enabled.
    bool Reachable(const Control& control) const {
        HWND window = Window(control);
        return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window);
    }

    // Replaces the whole text of the field, as a paste over a selection does.
    void Type(Control& field, const std::string& text) {
        ShowPageOf(field);
        ASSERT_TRUE(Reachable(field)) << field.Name() << " takes no input";
        HWND window = TypingWindow(field);
        SendMessageW(window, EM_SETSEL, 0, -1);
        SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
    }
    // Types the characters one at a time at the end of the text.
    void TypeKeys(Control& field, const std::string& keys) {
        ShowPageOf(field);
        ASSERT_TRUE(Reachable(field)) << field.Name() << " takes no input";
        HWND window = TypingWindow(field);
        SendMessageW(window, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        for (wchar_t key : Widen(keys)) {
            SendMessageW(window, WM_CHAR, key, 1);
        }
    }
    void Click(Control& control) {
        ShowPageOf(control);
        ASSERT_TRUE(Reachable(control)) << control.Name() << " cannot be clicked";
        SendMessageW(Window(control), BM_CLICK, 0, 0);
    }
    void SetCheck(CheckBox& box, bool checked) {
        const bool shown = SendMessageW(Window(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (shown != checked) {
            Click(box);
        }
        EXPECT_EQ(box.Checked(), checked) << box.Name();
    }

    // Chooses the command from the main window's menu bar, found there by its caption.
    void Choose(const std::string& itemName) {
        MenuItem* item = Main().Menu()->Find(itemName);
        ASSERT_NE(item, nullptr) << itemName;
        HMENU bar = GetMenu(Window(Main()));
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            HMENU menu = GetSubMenu(bar, i);
            for (int j = 0; menu != nullptr && j < GetMenuItemCount(menu); ++j) {
                wchar_t caption[128] = {};
                GetMenuStringW(menu, static_cast<UINT>(j), caption, 128, MF_BYPOSITION);
                if (Narrow(caption) == item->Caption()) {
                    const UINT id = GetMenuItemID(menu, j);
                    SendMessageW(Window(Main()), WM_COMMAND, MAKEWPARAM(id, 0), 0);
                    return;
                }
            }
        }
        ADD_FAILURE() << "no menu command " << item->Caption();
    }

    // Sets the options through the options dialog and confirms them.
    void SetOptions(bool copy, bool caution, bool pack, bool sync) {
        backend.WhenShown("Form_Option", [this, copy, caution, pack, sync](Form&) {
            TForm_Option& options = *Form_Option;
            SetCheck(*options.CheckBox_CopyMode, copy);
            SetCheck(*options.CheckBox_Caution, caution);
            SetCheck(*options.CheckBox_Pack, pack);
            SetCheck(*options.CheckBox_Sync, sync);
            Click(*options.Button_OK);
        });
        Choose("O1");
        EXPECT_FALSE(IsWindowVisible(Window(*Form_Option)));
    }

    struct Side {
        std::string folder{};
        std::string pattern{};
        std::string start{};
        std::string end{};
        std::string maximum = "無制限";
    };
    // Types the From pane, and the To pane as far as the options let the user (with the sync
    // option on, the To file name and range follow the From pane).
    void Describe(const Side& from, const Side& to) {
        TMainForm& main = Main();
        Type(*main.Edit_FromDir, from.folder);
        Type(*main.Edit_FromFile, from.pattern);
        Type(*main.Edit_FromStart, from.start);
        Type(*main.Edit_FromEnd, from.end);
        Type(*main.ComboBox_FromMax, from.maximum);
        Type(*main.Edit_ToDir, to.folder);
        if (Form_Option->CheckBox_Sync->Checked()) {
            EXPECT_FALSE(Reachable(*main.Edit_ToStart));
        } else {
            Type(*main.Edit_ToFile, to.pattern);
            Type(*main.Edit_ToStart, to.start);
            Type(*main.Edit_ToEnd, to.end);
        }
        Type(*main.ComboBox_ToMax, to.maximum);
    }

    // Presses the start button; returns once the run's worker has ended.
    void Start() {
        Click(*Main().Button_Start);
        application->WaitForThreads();
    }

    // The message boxes shown since the last call.
    std::vector<AnsweredMessage> TakeMessages() {
        const auto& all = backend.AnsweredMessages();
        std::vector<AnsweredMessage> taken(all.begin() + static_cast<std::ptrdiff_t>(seen_),
                                           all.end());
        seen_ = all.size();
        return taken;
    }

    // The files under the folder, each named as the program names it ("out\\1\\img001.jpg").
    static std::set<std::string> FilesIn(const std::string& folder) {
        std::set<std::string> files;
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(FsPath(folder), error);
             it != std::filesystem::recursive_directory_iterator(); ++it) {
            if (it->is_regular_file()) {
                const std::u8string name = it->path().generic_u8string();
                std::string path(name.begin(), name.end());
                std::replace(path.begin(), path.end(), '/', '\\');
                files.insert(path);
            }
        }
        return files;
    }
    // The temporary folder as the user would type it.
    std::string Root() const {
        const std::u8string text = root_.u8string();
        return std::string(text.begin(), text.end());
    }

    Win32Backend backend;
    std::unique_ptr<Application> application;

  private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
    std::size_t seen_ = 0;
};

}  // namespace kelvaro
