#include <string>
#include <vector>

#include "support/program_fixture.h"
#include "transfer/uOpe.h"

namespace kelvaro {
namespace {

// The start command on its own: the progress window is shown only when every check passes.
class StartCommand : public ProgramTest {
  protected:
    StartCommand() {
        // Shown or not is all these tests look at: the window is closed before any file is touched.
        backend.WhenShown("Form_Ope", [this](Form& window) {
            captionWhileShown = Main().Button_Start->Text();
            window.Close();
        });
    }
    bool Started() const {
        return std::find(backend.ModalShows().begin(), backend.ModalShows().end(), "Form_Ope") !=
               backend.ModalShows().end();
    }
    void Press() {
        backend.ClearMessages();
        user.Click(*Main().Button_Start);
        application->WaitForThreads();
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const MessageRecord& message : backend.Messages()) {
            if (message.caption != "強制終了") {
                texts.push_back(message.caption + ": " + message.text);
            }
        }
        return texts;
    }
    std::string captionWhileShown;
};

const std::string kC1 = "整数エラー: 数値部分の範囲が整数でないか、\nまたは絶対値が大きすぎます。";
const std::string kV1 = "大小関係エラー: Fromの始点を、終点より小さい数値にしてください。";
const std::string kV2 = "大小関係エラー: Toの始点を、終点より小さい数値にしてください。";

TEST_F(StartCommand, EmptyFieldsBecomeZeroAndASingleNumberRunStarts) {
    for (Edit* field : {Main().Edit_FromStart, Main().Edit_FromEnd}) {
        user.Type(*field, "");
    }
    EXPECT_EQ(Main().Edit_ToStart->Text(), "");
    Press();
    for (const Edit* field :
         {Main().Edit_FromStart, Main().Edit_FromEnd, Main().Edit_ToStart, Main().Edit_ToEnd}) {
        EXPECT_EQ(field->Text(), "0") << field->Name();
    }
    EXPECT_TRUE(Started());
    EXPECT_EQ(captionWhileShown, "初期設定中");
    EXPECT_EQ(Main().Button_Start->Text(), "移動開始(&S)");
}

TEST_F(StartCommand, StartsAboveTheirEndsAreReportedFromSideFirst) {
    struct OrderCase {
        const char* fromStart;
        const char* fromEnd;
        const char* toStart;
        const char* toEnd;
        std::vector<std::string> messages;
        bool starts;
    };
    const std::vector<OrderCase> cases = {
        {"5", "3", "20", "10", {kV1}, false},
        {"1", "3", "20", "10", {kV2}, false},
        {"3", "3", "7", "7", {}, true},
    };
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(false);
        options.CheckBox_CopyMode->SetChecked(true);
        options.Button_OK->Click();
    });
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(std::string(c.fromStart) + ".." + c.fromEnd + " " + c.toStart + ".." +
                     c.toEnd);
        user.Type(*Main().Edit_FromStart, c.fromStart);
        user.Type(*Main().Edit_FromEnd, c.fromEnd);
        user.Type(*Main().Edit_ToStart, c.toStart);
        user.Type(*Main().Edit_ToEnd, c.toEnd);
        const std::size_t shows = backend.ModalShows().size();
        Press();
        EXPECT_EQ(Texts(), c.messages);
        EXPECT_EQ(backend.ModalShows().size() > shows, c.starts);
        EXPECT_EQ(Main().ErrorFlag, c.starts ? 0 : 1);
        EXPECT_EQ(Main().Button_Start->Text(), "コピー開始(&S)");
    }
}

TEST_F(StartCommand, AZeroFillReportsABadFieldOnceItselfAndOnceMore) {
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(false);
        options.Button_OK->Click();
    });
    user.Type(*Main().Edit_ToEnd, "abc");
    user.Type(*Main().Edit_FromStart, "");
    Press();
    EXPECT_EQ(Texts(), (std::vector<std::string>{kC1, kC1}));
    EXPECT_FALSE(Started());
    EXPECT_EQ(Main().Edit_FromStart->Text(), "0") << "the fill lasts";
}

TEST_F(StartCommand, AMaximumReportedDuringAFillKeepsTheRunFromStarting) {
    // With the sync option on, the fill would run the To handler last, which clears the flag.
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(false);
        options.Button_OK->Click();
    });
    user.Type(*Main().ComboBox_FromMax, "lots");
    user.Type(*Main().Edit_FromStart, "");
    Press();
    ASSERT_EQ(backend.Messages().size(), 1u);
    EXPECT_EQ(backend.Messages()[0].text,
              "最大ファイル数が整数でないか、\nまたは絶対値が大きすぎます。");
    EXPECT_FALSE(Started());

    // A report left by an earlier edit does not: the command clears the flag first.
    Press();
    EXPECT_TRUE(Started());
}

TEST_F(StartCommand, TheProgressWindowCaptionFollowsTheModeAndComesBackNormal) {
    std::vector<std::string> captions;
    backend.WhenShown("Form_Ope", [&](Form& window) {
        captions.push_back(window.Text());
        EXPECT_EQ(window.GetWindowState(), WindowState::Normal);
        application->Minimize();  // the run goes on
        window.SetWindowState(WindowState::Minimized);
        window.Close();
    });
    Press();
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_CopyMode->SetChecked(true);
        options.Button_OK->Click();
    });
    Press();
    EXPECT_EQ(captions, (std::vector<std::string>{"ファイルの移動中", "ファイルのコピー中"}));
}

}  // namespace
}  // namespace kelvaro
