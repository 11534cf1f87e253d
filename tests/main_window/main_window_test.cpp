#include <stdexcept>
#include <string>

#include "platform/layout.h"
#include "support/program_fixture.h"

namespace kelvaro {
namespace {

class MainWindow : public ProgramTest {};

TEST_F(MainWindow, TheHelpCommandOpensTheManualRelativeToTheCurrentFolder) {
    user.Choose(*Main().Menu()->Find("HTMLH1"));
    ASSERT_EQ(backend.Launches().launches.size(), 1u);
    const RecordingShell::Launch& launch = backend.Launches().launches[0];
    EXPECT_EQ(launch.verb, "");
    EXPECT_EQ(launch.file, "manual\\manual.html");
    EXPECT_EQ(launch.parameters, "");
    EXPECT_EQ(launch.folder, "");
    EXPECT_EQ(launch.showCommand, 5);

    backend.Launches().result = 2;  // no program for the file: nothing is reported
    user.Choose(*Main().Menu()->Find("HTMLH1"));
    EXPECT_TRUE(backend.Messages().empty());
}

TEST_F(MainWindow, NeverTallerThan410PixelsAndAsWideAsTheSystemAllows) {
    ASSERT_TRUE(Main().OnGetMinMaxInfo);
    const MinMaxInfo proposed{.maxWidth = 1930,
                              .maxHeight = 1090,
                              .maxLeft = -5,
                              .maxTop = -5,
                              .minTrackWidth = 120,
                              .minTrackHeight = 40,
                              .maxTrackWidth = 1940,
                              .maxTrackHeight = 1100};
    MinMaxInfo limits = proposed;
    Main().OnGetMinMaxInfo(limits);
    MinMaxInfo expected = proposed;
    expected.maxHeight = 410;
    expected.maxTrackHeight = 410;
    EXPECT_EQ(limits, expected);
}

TEST_F(MainWindow, TabOrderFollowsTheLayoutOnBothPages) {
    auto names = [](const Control& parent) {
        std::vector<std::string> ordered;
        for (const Control* child : parent.ChildrenInTabOrder()) {
            if (child->TabStop() || child->Kind() == ControlKind::GroupBox) {
                ordered.push_back(child->Name());
            }
        }
        return ordered;
    };
    EXPECT_EQ(names(*Main().TabSheet1),
              (std::vector<std::string>{"Edit_FromDir", "Button_FromDir", "Edit_FromFile",
                                        "Button_FromFile", "GroupBox_FromNumber",
                                        "ComboBox_FromMax", "CSpinEdit_FromDepth"}));
    EXPECT_EQ(names(*Main().TabSheet2),
              (std::vector<std::string>{"Edit_ToDir", "Button_ToDir", "Button_ToNew", "Edit_ToFile",
                                        "Button_ToFile", "GroupBox_ToNumber", "ComboBox_ToMax",
                                        "CSpinEdit_ToDepth"}));
    EXPECT_EQ(names(Main()), (std::vector<std::string>{"PageControl1", "Button_Start",
                                                       "GroupBox_PreFrom", "GroupBox_PreTo"}));
    EXPECT_EQ(names(*Options().Panel1),
              (std::vector<std::string>{"CheckBox_CopyMode", "CheckBox_Caution", "CheckBox_Sync",
                                        "CheckBox_Pack"}));
}

TEST_F(MainWindow, ButtonsAtTheRightEdgeFollowItAndFieldsStretch) {
    for (const char* name : {"Button_FromDir", "Button_ToDir", "Button_ToNew", "Button_Start"}) {
        EXPECT_EQ(Main().Find(name)->Anchors(), kAnchorsRight) << name;
    }
    for (const char* name :
         {"PageControl1", "Edit_FromDir", "Edit_ToFile", "GroupBox_PreFrom", "GroupBox_PreTo"}) {
        EXPECT_EQ(Main().Find(name)->Anchors(), kAnchorsStretch) << name;
    }
}

TEST_F(MainWindow, ExitClosesTheMainWindowAndEndsTheProgram) {
    Main().Show();
    user.Choose(*Main().Menu()->Find("Exit1"));
    EXPECT_FALSE(Main().Visible());
    EXPECT_TRUE(application->Terminated());
}

TEST_F(MainWindow, AnExceptionInAHandlerIsShownAndTheProgramGoesOn) {
    Main().Edit_FromDir->OnChange = [](Control&) { throw std::runtime_error("broken handler"); };
    user.Type(*Main().Edit_FromDir, "C:\\x");
    ASSERT_EQ(backend.Messages().size(), 1u);
    EXPECT_EQ(backend.Messages()[0].text, "broken handler");
    EXPECT_EQ(backend.Messages()[0].caption, "Kelvaro");
}

TEST(StartUp, RunsTheProgramUntilTheMainWindowClosesAndReturnsZero) {
    HeadlessBackend backend;
    std::vector<std::string> seen;
    backend.WhenRunning([&seen](Application& application) {
        seen.push_back(application.Title());
        seen.push_back(application.HelpFile().empty() ? "no help file" : "help file");
        seen.push_back(application.MainForm() == MainForm ? "main form first" : "wrong main form");
        seen.push_back(Form_Option != nullptr && !Form_Option->Visible() ? "options hidden"
                                                                         : "options?");
        seen.push_back(MainForm->Visible() ? "main shown" : "main hidden");
        MainForm->Close();
    });
    EXPECT_EQ(RunKelvaro(backend), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"Kelvaro", "no help file", "main form first",
                                              "options hidden", "main shown"}));
    EXPECT_EQ(MainForm, nullptr);
}

}  // namespace
}  // namespace kelvaro
