#include <string>
#include <vector>

#include "support/run_fixture.h"

namespace kelvaro {
namespace {

class TransferRun : public RunTest {};

std::string Moved(int count) {
    return "移動が終わりました。\n\n移動ファイル数 : " + std::to_string(count);
}

TEST_F(TransferRun, ATypicalRunMovesEverySeriesFileAndReports) {
    for (int n = 1; n <= 3; ++n) {
        Write("in\\img00" + std::to_string(n) + ".jpg", "picture " + std::to_string(n));
    }
    std::filesystem::create_directory("out");
    SetOptions(false, false, false, true);
    user.Type(*Main().Edit_FromDir, "in");
    user.Type(*Main().Edit_FromFile, "img???.jpg");
    user.Type(*Main().Edit_FromStart, "1");
    user.Type(*Main().Edit_FromEnd, "3");
    user.Type(*Main().Edit_ToDir, "out");
    user.Type(*Main().ComboBox_ToMax, "100");
    EXPECT_EQ(Main().Label_PreEndTo->Text(), "out\\img003.jpg")
        << "the preview shows what the run does";

    std::vector<std::string> captions;
    backend.WhenShown("Form_Ope", [&](Form& window) {
        captions.push_back(window.Text());
        captions.push_back(Main().Button_Start->Text());
    });
    Start();

    for (int n = 1; n <= 3; ++n) {
        const std::string name = "img00" + std::to_string(n) + ".jpg";
        EXPECT_EQ(Read("out\\" + name), "picture " + std::to_string(n));
        EXPECT_FALSE(Read("in\\" + name));
    }
    EXPECT_EQ(LastMessage().text, Moved(3));
    EXPECT_EQ(LastMessage().caption, "完了");
    EXPECT_EQ(LastMessage().flags, 0u);
    EXPECT_EQ(captions, (std::vector<std::string>{"ファイルの移動中", "初期設定中"}));
    EXPECT_EQ(Main().Button_Start->Text(), "移動開始(&S)");
    EXPECT_FALSE(Form_Ope->Visible());
    EXPECT_EQ(Form_Ope->Label_To->Text(), "out\\img003.jpg");
    EXPECT_EQ(Form_Ope->CGauge1->PercentDone(), 100);
}

TEST_F(TransferRun, MissingFilesSkipOrCloseUpTheToNumbers) {
    struct GapCase {
        bool pack;
        std::vector<int> toNumbers;
    };
    const GapCase cases[] = {{false, {10, 12, 14}}, {true, {10, 11, 12}}};
    for (const GapCase& c : cases) {
        SCOPED_TRACE(c.pack ? "packed" : "not packed");
        std::filesystem::remove_all("out");
        std::filesystem::create_directory("out");
        for (int n : {1, 3, 5}) {
            Write("in\\f" + std::to_string(n), std::to_string(n));
        }
        SetOptions(false, false, c.pack);
        Describe({"in", "f*", "1", "5"}, {"out", "t*", "10", "14"});
        backend.ClearMessages();
        Start();
        ASSERT_EQ(backend.Messages().size(), 1u);
        EXPECT_EQ(LastMessage().text, Moved(3));
        std::size_t i = 0;
        for (int n : {1, 3, 5}) {
            EXPECT_EQ(Read("out\\t" + std::to_string(c.toNumbers[i++])), std::to_string(n));
        }
        EXPECT_EQ(FilesUnder("out"), 3u);
    }
}

TEST_F(TransferRun, TheWarningAnsweredWithCancelStopsTheRun) {
    struct CancelCase {
        bool pack;
        const char* where;
    };
    const CancelCase cases[] = {{false, "From : 2 , To : 11"}, {true, "From : 2 , To : 10"}};
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.pack ? "packed" : "not packed");
        std::filesystem::remove_all("in");
        std::filesystem::remove_all("out");
        std::filesystem::create_directory("out");
        for (int n : {1, 3, 5}) {
            Write("in\\f" + std::to_string(n), std::to_string(n));
        }
        SetOptions(false, true, c.pack);
        Describe({"in", "f*", "1", "5"}, {"out", "t*", "10", "14"});
        backend.AnswerMessages([](const MessageRecord& message) {
            return message.caption == "ファイル読みこみエラー" ? kIdCancel : kIdOk;
        });
        backend.ClearMessages();
        Start();
        ASSERT_EQ(backend.Messages().size(), 2u);
        const MessageRecord& warning = backend.Messages()[0];
        EXPECT_EQ(warning.text, "ファイル \"f2\" が読み込みできません。\n\n操作を続行しますか？");
        EXPECT_EQ(warning.flags, static_cast<unsigned>(kMbOkCancel | kMbIconExclamation));
        EXPECT_EQ(LastMessage().text,
                  std::string("移動を強制終了しました。\n\n移動ファイル数 : 1\n\n") + c.where +
                      "で中断しました。");
        EXPECT_EQ(LastMessage().caption, "強制終了");
        EXPECT_EQ(FilesUnder("out"), 1u);
        EXPECT_EQ(Read("in\\f3"), "3");
    }
}

TEST_F(TransferRun, StoppingAfterANumberReportsWhereTheRunStopped) {
    for (int n = 0; n <= 100; ++n) {
        Write("in\\" + std::to_string(n), "x");
    }
    std::filesystem::create_directory("out");
    SetOptions(false, false, false);
    Describe({"in", "*", "0", "100"}, {"out", "*", "0", "100"});
    // The user presses the stop button while number 7 is on the screen.
    Form_Ope->Label_From->OnChange = [](Control& label) {
        if (label.Text() == "in\\7" && Form_Ope->Visible()) {
            Form_Ope->Button_Stop->Click();
        }
    };
    Start();
    EXPECT_EQ(
        LastMessage().text,
        "移動を強制終了しました。\n\n移動ファイル数 : 8\n\nFrom : 7 , To : 8で中断しました。");
    EXPECT_EQ(LastMessage().caption, "強制終了");
    EXPECT_EQ(FilesUnder("out"), 8u);
    EXPECT_EQ(Main().Button_Start->Text(), "移動開始(&S)");
}

TEST_F(TransferRun, StoppingBeforeTheFirstNumberStillHandlesIt) {
    for (const char* closeBy : {"stop button", "close box"}) {
        SCOPED_TRACE(closeBy);
        std::filesystem::remove_all("out");
        std::filesystem::create_directory("out");
        Write("in\\5", "five");
        Write("in\\6", "six");
        SetOptions(false, false, false);
        Describe({"in", "*", "5", "6"}, {"out", "*", "5", "6"});
        backend.WhenShown("Form_Ope", [closeBy](Form& window) {
            if (std::string(closeBy) == "stop button") {
                Form_Ope->Button_Stop->Click();
            } else {
                window.Close();
            }
        });
        backend.ClearMessages();
        Start();
        EXPECT_EQ(
            LastMessage().text,
            "移動を強制終了しました。\n\n移動ファイル数 : 1\n\nFrom : 5 , To : 6で中断しました。");
        EXPECT_EQ(Read("out\\5"), "five");
        EXPECT_EQ(Read("in\\6"), "six");
    }
}

TEST_F(TransferRun, AnExistingToFileIsKeptWhenMovingAndReplacedWhenCopying) {
    struct ExistCase {
        bool copy;
        const char* summary;
        const char* toContent;
        bool fromStays;
    };
    const ExistCase cases[] = {
        {false, "移動が終わりました。\n\n移動ファイル数 : 1", "old", true},
        {true, "コピーが終わりました。\n\nコピーファイル数 : 2", "new", true},
    };
    for (const ExistCase& c : cases) {
        SCOPED_TRACE(c.copy ? "copy" : "move");
        std::filesystem::remove_all("in");
        std::filesystem::remove_all("out");
        Write("in\\a1", "new");
        Write("in\\a2", "two");
        Write("out\\b1", "old");
        SetOptions(c.copy, true, false);
        Describe({"in", "a*", "1", "2"}, {"out", "b*", "1", "2"});
        backend.ClearMessages();
        Start();
        ASSERT_EQ(backend.Messages().size(), 1u) << "no warning: the From file exists";
        EXPECT_EQ(LastMessage().text, c.summary);
        EXPECT_EQ(Read("out\\b1"), c.toContent);
        EXPECT_EQ(Read("in\\a1"), "new") << "the From file stays";
        EXPECT_EQ(Read("out\\b2"), "two") << "without packing, the To number 1 is used up";
    }
}

// Records the folders a run creates, on the real files.
class RecordingFiles : public FileSystem {
  public:
    bool Exists(const std::string& path) override { return SystemFileSystem().Exists(path); }
    bool CreateDir(const std::string& path) override {
        created.push_back(path);
        return SystemFileSystem().CreateDir(path);
    }
    bool Copy(const std::string& from, const std::string& to) override {
        return SystemFileSystem().Copy(from, to);
    }
    bool Move(const std::string& from, const std::string& to) override {
        return SystemFileSystem().Move(from, to);
    }
    std::optional<FileIdentity> Identify(const std::string& path) override {
        return SystemFileSystem().Identify(path);
    }
    std::vector<std::string> created;
};

TEST_F(TransferRun, ToFoldersAreCreatedOnceEachWhenTheSubFolderPathChanges) {
    for (int n = 95; n <= 105; ++n) {
        Write("in\\p" + std::to_string(n), std::to_string(n));
    }
    std::filesystem::create_directory("out");
    RecordingFiles files;
    application->SetFiles(files);
    SetOptions(false, false, false);
    Describe({"in", "p*", "95", "105"}, {"out", "q???", "95", "105", "10"});
    EXPECT_EQ(Main().CSpinEdit_ToDepth->Value(), 2);
    EXPECT_EQ(Main().Label_PreStartTo->Text(), "out\\0\\9\\q095");
    EXPECT_EQ(Main().Label_PreEndTo->Text(), "out\\1\\10\\q105");
    Start();
    EXPECT_EQ(files.created,
              (std::vector<std::string>{"out\\0\\", "out\\0\\9\\", "out\\1\\", "out\\1\\10\\"}));
    EXPECT_EQ(Read("out\\0\\9\\q099"), "99");
    EXPECT_EQ(Read("out\\1\\10\\q100"), "100");
    EXPECT_EQ(Read("out\\1\\10\\q105"), "105");
    EXPECT_EQ(LastMessage().text, Moved(11));
}

TEST_F(TransferRun, UnlimitedMaximumsAndEmptyFoldersUseNoSubFolders) {
    Write("s1.txt", "1");
    Write("s2.txt", "2");
    RecordingFiles files;
    application->SetFiles(files);
    SetOptions(false, false, false);
    Describe({"", "s*.txt", "1", "2"}, {"", "d*.txt", "1", "2"});
    // A depth typed by hand plays no part while the maximum is unlimited.
    Start();
    EXPECT_TRUE(files.created.empty());
    EXPECT_EQ(Read("d1.txt"), "1");
    EXPECT_EQ(Read("d2.txt"), "2");
    EXPECT_EQ(LastMessage().text, Moved(2));
}

TEST_F(TransferRun, ASingleNumberAndThenASecondRunWithItsOwnGaugeRange) {
    Write("in\\7", "seven");
    for (int n = 20; n <= 29; ++n) {
        Write("in\\" + std::to_string(n), "x");
    }
    std::filesystem::create_directory("out");
    SetOptions(false, false, false);
    Describe({"in", "*", "7", "7"}, {"out", "*", "7", "7"});
    Start();
    EXPECT_EQ(LastMessage().text, Moved(1));
    EXPECT_EQ(Form_Ope->CGauge1->MinValue(), 7);
    EXPECT_EQ(Form_Ope->CGauge1->MaxValue(), 7);

    Describe({"in", "*", "20", "29"}, {"out", "*", "20", "29"});
    std::vector<std::int32_t> gaugeAtFirstStep;
    Form_Ope->Label_From->OnChange = [&](Control&) {
        if (gaugeAtFirstStep.empty()) {
            const Gauge& gauge = *Form_Ope->CGauge1;
            gaugeAtFirstStep = {gauge.MinValue(), gauge.MaxValue(), gauge.Progress()};
        }
    };
    Start();
    EXPECT_EQ(gaugeAtFirstStep, (std::vector<std::int32_t>{20, 29, 20}));
    EXPECT_EQ(LastMessage().text, Moved(10));
    EXPECT_EQ(FilesUnder("out"), 11u);
}

TEST_F(TransferRun, ANewStartWaitsForARunTheUserStoppedAndNoWindowIsClosedUnderIt) {
    for (int n = 1; n <= 4; ++n) {
        Write("in\\" + std::to_string(n), std::to_string(n));
    }
    std::filesystem::create_directory("out");
    SetOptions(false, false, false);
    Describe({"in", "*", "1", "2"}, {"out", "*", "1", "2"});
    backend.WhenShown("Form_Ope", [](Form&) { Form_Ope->Button_Stop->Click(); });
    user.Click(*Main().Button_Start);  // the window closes at once; its worker is still ending
    ASSERT_TRUE(RunLoopUntil([&] { return !backend.Messages().empty(); }));
    EXPECT_EQ(backend.Messages()[0].caption, "強制終了");
    ASSERT_NE(Form_Ope->Operation(), nullptr) << "its closing step is still to come";

    backend.WhenShown("Form_Ope", [](Form&) {});
    Describe({"in", "*", "3", "4"}, {"out", "*", "3", "4"});
    Start();
    EXPECT_EQ(LastMessage().text, Moved(2));
    EXPECT_EQ(FilesUnder("out"), 3u);
    EXPECT_EQ(Form_Ope->Operation(), nullptr);
}

}  // namespace
}  // namespace kelvaro
