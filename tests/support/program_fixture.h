// A test fixture with the whole program on the headless backend: the application object and the
// forms that start-up creates, a scripted user, and the message boxes the program showed.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "main_window/startup.h"
#include "main_window/uMain.h"
#include "options/uOption.h"
#include "platform/application.h"
#include "platform/headless/headless_backend.h"

namespace kelvaro {

class ProgramTest : public ::testing::Test {
  protected:
    ProgramTest() : application(std::make_unique<Application>(backend)), user(*application) {
        application->SetTitle("Kelvaro");
        CreateProgramForms(*application);
        MainForm->Show();
    }
    ~ProgramTest() override {
        application.reset();
        ForgetProgramForms();
    }

    TMainForm& Main() { return *MainForm; }
    TForm_Option& Options() { return *Form_Option; }

    // Captions of the message boxes shown so far; forgets them.
    std::vector<std::string> TakeCaptions() {
        std::vector<std::string> captions;
        for (const MessageRecord& message : backend.Messages()) {
            captions.push_back(message.caption);
        }
        backend.ClearMessages();
        return captions;
    }

    // Opens the options dialog from the menu; the script acts on the dialog while it is shown
    // and closes it.
    void OpenOptions(const std::function<void(TForm_Option&)>& script) {
        backend.WhenShown("Form_Option", [&script](Form&) { script(*Form_Option); });
        user.Choose(*Main().Menu()->Find("O1"));
    }

    HeadlessBackend backend;
    std::unique_ptr<Application> application;
    HeadlessUser user;
};

}  // namespace kelvaro
