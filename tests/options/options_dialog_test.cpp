#include <string>

#include "support/program_fixture.h"

namespace kelvaro {
namespace {

class OptionsDialog : public ProgramTest {};

TEST_F(OptionsDialog, OkSetsTheCaptionsOfTheModeWithAnAsciiOpeningParenthesis) {
    struct ModeCase {
        bool copy;
        const char* start;
        const char* from;
        const char* to;
    };
    const ModeCase cases[] = {
        {false, "移動開始(&S)", "From(移動元）のファイル", "To(移動先）のファイル"},
        {true, "コピー開始(&S)", "From(コピー元）のファイル", "To(コピー先）のファイル"},
        {false, "移動開始(&S)", "From(移動元）のファイル", "To(移動先）のファイル"},
    };
    TMainForm& main = Main();
    for (const ModeCase& c : cases) {
        OpenOptions([&](TForm_Option& options) {
            options.CheckBox_CopyMode->SetChecked(c.copy);
            options.Button_OK->Click();
        });
        EXPECT_EQ(main.Button_Start->Text(), c.start);
        EXPECT_EQ(main.GroupBox_PreFrom->Text(), c.from);
        EXPECT_EQ(main.GroupBox_PreTo->Text(), c.to);
        EXPECT_FALSE(main.GroupBox_PreTo->Enabled());
    }
}

TEST_F(OptionsDialog, ClearingSyncFreesTheToPaneAndTickingItAgainCopiesFromOverTo) {
    TMainForm& main = Main();
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(false);
        options.CheckBox_Pack->SetChecked(true);
        options.Button_OK->Click();
    });
    for (const Control* freed : {static_cast<const Control*>(main.Edit_ToFile),
                                 static_cast<const Control*>(main.Edit_ToStart),
                                 static_cast<const Control*>(main.Edit_ToEnd),
                                 static_cast<const Control*>(main.Button_ToFile)}) {
        EXPECT_TRUE(freed->Enabled()) << freed->Name();
    }
    user.Type(*main.Edit_ToFile, "out_????.png");
    user.Type(*main.Edit_ToStart, "20");
    user.Type(*main.Edit_FromFile, "in*.png");  // no longer copied
    EXPECT_EQ(main.Edit_ToFile->Text(), "out_????.png");
    EXPECT_EQ(main.Label_PreStartTo->Text(), "out_0020.png");

    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(true);
        options.Button_OK->Click();
    });
    EXPECT_EQ(main.Edit_ToFile->Text(), "in*.png");
    EXPECT_EQ(main.Edit_ToStart->Text(), "0");
    EXPECT_FALSE(main.Edit_ToFile->Enabled());
    EXPECT_FALSE(main.Edit_ToStart->Enabled());
    EXPECT_FALSE(main.Edit_ToEnd->Enabled());
    EXPECT_FALSE(main.Button_ToFile->Enabled());
    EXPECT_EQ(main.Label_PreStartTo->Text(), "in0.png");
}

TEST_F(OptionsDialog, OkCopiesABadFromNumberAndTheToPaneReportsItWhileTheDialogIsOpen) {
    TMainForm& main = Main();
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(false);
        options.Button_OK->Click();
    });
    user.Type(*main.Edit_FromStart, "abc");
    ASSERT_EQ(TakeCaptions().size(), 1u);

    bool reportedWhileOpen = false;
    OpenOptions([&](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(true);
        options.Button_OK->Click();
        reportedWhileOpen = !backend.Messages().empty();
    });
    EXPECT_EQ(main.Edit_ToStart->Text(), "abc");
    EXPECT_TRUE(reportedWhileOpen);
    EXPECT_FALSE(TakeCaptions().empty());
}

TEST_F(OptionsDialog, CancelRestoresTheBoxesOfTheLatestShowAndStillRefreshesBothPanes) {
    TMainForm& main = Main();
    int syncClicks = 0;
    Options().CheckBox_Sync->OnClick = [&syncClicks](Control&) { ++syncClicks; };
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_CopyMode->SetChecked(true);
        options.CheckBox_Caution->SetChecked(true);
        options.CheckBox_Pack->SetChecked(true);
        options.CheckBox_Sync->SetChecked(false);
        options.Button_Cancel->Click();
    });
    EXPECT_FALSE(Options().CheckBox_CopyMode->Checked());
    EXPECT_FALSE(Options().CheckBox_Caution->Checked());
    EXPECT_FALSE(Options().CheckBox_Pack->Checked());
    EXPECT_TRUE(Options().CheckBox_Sync->Checked());
    EXPECT_EQ(syncClicks, 2) << "clearing it, and Cancel setting it back";
    EXPECT_EQ(main.Button_Start->Text(), "移動開始(&S)");
    EXPECT_EQ(main.GroupBox_PreFrom->Text(), "From（移動元）のファイル")
        << "Cancel touches no caption";
    EXPECT_FALSE(main.Edit_ToFile->Enabled());
    EXPECT_EQ(main.Label_PreStartFrom->Text(), "0.html") << "the panes are recomputed";
    EXPECT_EQ(main.Label_PreEndTo->Text(), "100.html");
}

TEST_F(OptionsDialog, TheCloseBoxKeepsTheChangedBoxesButLeavesTheMainWindowAsItWas) {
    TMainForm& main = Main();
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(false);
        options.Close();
    });
    EXPECT_FALSE(Options().CheckBox_Sync->Checked());
    EXPECT_FALSE(main.Edit_ToFile->Enabled()) << "only OK frees the To pane";
    user.Type(*main.Edit_FromFile, "x*.txt");
    EXPECT_EQ(main.Edit_ToFile->Text(), "*.html") << "From changes are no longer copied";

    // Each show takes a new snapshot: Cancel now returns to the cleared box.
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(true);
        options.Button_Cancel->Click();
    });
    EXPECT_FALSE(Options().CheckBox_Sync->Checked());
}

}  // namespace
}  // namespace kelvaro
