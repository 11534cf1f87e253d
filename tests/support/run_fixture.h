// A fixture for runs on real files: the whole program on the headless backend, working in a
// fresh temporary folder that is also the current folder, so that the panes can name folders
// relative to it ("in", "out").
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "support/program_fixture.h"
#include "support/test_files.h"
#include "transfer/uOpe.h"

namespace kelvaro {

class RunTest : public ProgramTest, public TestFiles {
  protected:
    RunTest() {
        namespace fs = std::filesystem;
        std::random_device random;
        do {
            root_ = fs::temp_directory_path() / ("kelvaro-run-" + std::to_string(random()));
        } while (!fs::create_directory(root_));
        previous_ = fs::current_path();
        fs::current_path(root_);
    }
    ~RunTest() override {
        // Every worker has ended before the folder goes.
        application->WaitForThreads();
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    // Frees the To pane (sync off) and sets the options the run needs, through the dialog.
    void SetOptions(bool copy, bool caution, bool pack, bool sync = false) {
        OpenOptions([&](TForm_Option& options) {
            options.CheckBox_CopyMode->SetChecked(copy);
            options.CheckBox_Caution->SetChecked(caution);
            options.CheckBox_Pack->SetChecked(pack);
            options.CheckBox_Sync->SetChecked(sync);
            options.Button_OK->Click();
        });
    }

    struct Side {
        std::string folder;
        std::string pattern;
        std::string start;
        std::string end;
        std::string maximum = "無制限";
    };
    // Types both panes as the user would; the To pane must be free (sync off).
    void Describe(const Side& from, const Side& to) {
        backend.ClearMessages();
        TMainForm& main = Main();
        user.Type(*main.Edit_FromDir, from.folder);
        user.Type(*main.Edit_FromFile, from.pattern);
        user.Type(*main.Edit_FromStart, from.start);
        user.Type(*main.Edit_FromEnd, from.end);
        user.Type(*main.ComboBox_FromMax, from.maximum);
        user.Type(*main.Edit_ToDir, to.folder);
        user.Type(*main.Edit_ToFile, to.pattern);
        user.Type(*main.Edit_ToStart, to.start);
        user.Type(*main.Edit_ToEnd, to.end);
        user.Type(*main.ComboBox_ToMax, to.maximum);
        ASSERT_TRUE(backend.Messages().empty()) << backend.Messages()[0].text;
    }

    // Presses the start button and waits until the run's worker has ended.
    void Start() {
        user.Click(*Main().Button_Start);
        application->WaitForThreads();
    }

    // Runs the steps that workers hand to the main thread, as the program's message loop does,
    // until the condition holds; false if it does not within the deadline.
    template <class Condition>
    bool RunLoopUntil(Condition condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!condition()) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            application->MainThreadQueue().WaitAndRun(std::chrono::steady_clock::now() +
                                                      std::chrono::milliseconds(10));
        }
        return true;
    }

    const MessageRecord& LastMessage() {
        static const MessageRecord none{"(no message)", "", 0};
        return backend.Messages().empty() ? none : backend.Messages().back();
    }

    std::filesystem::path root_;
    std::filesystem::path previous_;
};

}  // namespace kelvaro
