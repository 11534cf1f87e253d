#include <string>
#include <vector>

#include "support/program_fixture.h"

namespace kelvaro {
namespace {

const std::string kIntegerError = "整数エラー";

class PanePreview : public ProgramTest {};

TEST_F(PanePreview, StartsWithEmptyPreviewsAndTheToPaneLocked) {
    TMainForm& main = Main();
    EXPECT_EQ(main.PageControl1->ActivePage(), main.TabSheet1);
    for (const Label* preview : {main.Label_PreStartFrom, main.Label_PreEndFrom,
                                 main.Label_PreStartTo, main.Label_PreEndTo}) {
        EXPECT_EQ(preview->Text(), "");
    }
    EXPECT_EQ(main.ComboBox_FromMax->Text(), "無制限");
    EXPECT_EQ(main.ComboBox_ToMax->Text(), "無制限");
    for (const Control* locked : {static_cast<const Control*>(main.Edit_ToFile),
                                  static_cast<const Control*>(main.Edit_ToStart),
                                  static_cast<const Control*>(main.Edit_ToEnd),
                                  static_cast<const Control*>(main.CSpinEdit_FromDepth),
                                  static_cast<const Control*>(main.CSpinEdit_ToDepth),
                                  static_cast<const Control*>(main.GroupBox_PreTo)}) {
        EXPECT_FALSE(locked->Enabled()) << locked->Name();
    }
    EXPECT_EQ(main.Button_Start->Text(), "移動開始(&S)");
    EXPECT_TRUE(Options().CheckBox_Sync->Checked());
    EXPECT_FALSE(Options().CheckBox_CopyMode->Checked());
    EXPECT_TRUE(backend.Messages().empty());
}

struct PreviewCase {
    const char* what;
    const char* folder;
    const char* pattern;
    const char* start;
    const char* end;
    const char* maximum;
    const char* firstPath;
    const char* lastPath;
    std::int32_t depth;
    bool depthEnabled;
};

TEST_F(PanePreview, ShowsTheFirstAndLastPathOfTheSeries) {
    const PreviewCase cases[] = {
        {"a tree two levels deep", "C:\\data", "img???.jpg", "0", "12345", "100",
         "C:\\data\\0\\0\\img000.jpg", "C:\\data\\1\\123\\img345.jpg", 2, true},
        {"a folder that ends in a separator", "C:\\data\\", "img???.jpg", "1", "3", "無制限",
         "C:\\data\\img001.jpg", "C:\\data\\img003.jpg", 0, false},
        {"an empty folder", "", "*.txt", "1", "3", "無制限", "1.txt", "3.txt", 0, false},
        {"a folder ending in a double-byte character", "D:\\表", "a*", "5", "6", "無制限",
         "D:\\表\\a5", "D:\\表\\a6", 0, false},
        {"empty numbers count as 0", "C:\\d", "p??", "", "", "無制限", "C:\\d\\p00", "C:\\d\\p00",
         0, false},
        {"a start above its end", "C:\\d", "*", "9", "3", "無制限", "C:\\d\\9", "C:\\d\\3", 0,
         false},
        {"maximum empty", "C:\\d", "*", "1", "500", "", "C:\\d\\1", "C:\\d\\500", 0, false},
        {"maximum 1", "C:\\d", "*", "1", "500", "1", "C:\\d\\1", "C:\\d\\500", 0, false},
        {"maximum 0", "C:\\d", "*", "1", "500", "0", "C:\\d\\1", "C:\\d\\500", 0, false},
        {"maximum -5", "C:\\d", "*", "1", "500", "-5", "C:\\d\\1", "C:\\d\\500", 0, false},
        {"an end below the maximum", "C:\\d", "*", "1", "50", "100", "C:\\d\\1", "C:\\d\\50", 0,
         true},
        {"a leading blank converts", "C:\\d", "*", " 7", "  8", "無制限", "C:\\d\\7", "C:\\d\\8", 0,
         false},
        {"a hexadecimal end", "C:\\d", "*", "0", "$10", "10", "C:\\d\\0\\0", "C:\\d\\1\\16", 1,
         true},
    };
    TMainForm& main = Main();
    for (const PreviewCase& c : cases) {
        SCOPED_TRACE(c.what);
        // Back to an unlimited maximum first, so that each case starts from depth 0.
        user.Type(*main.ComboBox_FromMax, "無制限");
        user.Type(*main.Edit_FromDir, c.folder);
        user.Type(*main.Edit_FromFile, c.pattern);
        user.Type(*main.Edit_FromStart, c.start);
        user.Type(*main.Edit_FromEnd, c.end);
        user.Type(*main.ComboBox_FromMax, c.maximum);
        EXPECT_EQ(main.Label_PreStartFrom->Text(), c.firstPath);
        EXPECT_EQ(main.Label_PreEndFrom->Text(), c.lastPath);
        EXPECT_EQ(main.CSpinEdit_FromDepth->Value(), c.depth);
        EXPECT_EQ(main.CSpinEdit_FromDepth->Enabled(), c.depthEnabled);
        EXPECT_EQ(main.Edit_FromDir->Text(), c.folder) << "the edit itself is never completed";
        EXPECT_TRUE(TakeCaptions().empty());
    }
}

TEST_F(PanePreview, DepthIsRaisedToWhatTheEndNeedsButMayBeDeeper) {
    TMainForm& main = Main();
    user.Type(*main.Edit_FromDir, "C:\\d");
    user.Type(*main.Edit_FromFile, "*");
    user.Type(*main.Edit_FromEnd, "50");
    user.Pick(*main.ComboBox_FromMax, 2);  // "100"
    EXPECT_EQ(main.CSpinEdit_FromDepth->Value(), 0);
    EXPECT_EQ(main.Label_PreEndFrom->Text(), "C:\\d\\50");

    // A deeper tree than needed gets leading levels named 0.
    main.CSpinEdit_FromDepth->StepUp();
    EXPECT_EQ(main.Label_PreEndFrom->Text(), "C:\\d\\0\\50");

    // Needing two levels raises the depth; lowering it again is undone at once.
    user.Type(*main.Edit_FromEnd, "12345");
    EXPECT_EQ(main.CSpinEdit_FromDepth->Value(), 2);
    user.Type(*main.CSpinEdit_FromDepth, "1");
    EXPECT_EQ(main.CSpinEdit_FromDepth->Value(), 2);
    EXPECT_EQ(main.Label_PreEndFrom->Text(), "C:\\d\\1\\123\\12345");

    // Going back to unlimited resets the depth to 0 and disables the box.
    user.Type(*main.ComboBox_FromMax, "無制限");
    EXPECT_EQ(main.CSpinEdit_FromDepth->Text(), "0");
    EXPECT_FALSE(main.CSpinEdit_FromDepth->Enabled());
    EXPECT_EQ(main.Label_PreEndFrom->Text(), "C:\\d\\12345");
    EXPECT_TRUE(TakeCaptions().empty());
}

TEST_F(PanePreview, ReportsTheFirstNumberThatDoesNotConvertAndKeepsThePreviews) {
    TMainForm& main = Main();
    user.Type(*main.Edit_FromFile, "*");
    const std::string before = main.Label_PreEndFrom->Text();

    struct BadNumber {
        const char* what;
        std::function<void()> act;
    };
    const BadNumber cases[] = {
        {"a trailing blank", [&] { user.Type(*main.Edit_FromEnd, "12 "); }},
        {"a fraction", [&] { user.Type(*main.Edit_FromEnd, "1.5"); }},
        {"too large", [&] { user.Type(*main.Edit_FromStart, "2147483648"); }},
    };
    for (const BadNumber& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        ASSERT_EQ(backend.Messages().size(), 1u);
        EXPECT_EQ(backend.Messages()[0].text,
                  "数値部分の範囲が整数でないか、\nまたは絶対値が大きすぎます。");
        EXPECT_EQ(backend.Messages()[0].caption, kIntegerError);
        EXPECT_EQ(backend.Messages()[0].flags, 0u);
        EXPECT_EQ(main.ErrorFlag, 1);
        EXPECT_EQ(main.Label_PreEndFrom->Text(), before);
        backend.ClearMessages();
        user.Type(*main.Edit_FromStart, "0");
        user.Type(*main.Edit_FromEnd, "100");
        backend.ClearMessages();
    }
}

TEST_F(PanePreview, ABadToNumberBlocksTheFromPreviewWithOneMessageForTwoBadFields) {
    TMainForm& main = Main();
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Sync->SetChecked(false);
        options.Button_OK->Click();
    });
    user.Type(*main.Edit_ToStart, "x");
    backend.ClearMessages();
    user.Type(*main.Edit_FromEnd, "y");  // before Edit_ToStart in the order of the check

    ASSERT_EQ(backend.Messages().size(), 1u);
    EXPECT_EQ(backend.Messages()[0].caption, kIntegerError);
    EXPECT_EQ(main.Label_PreEndFrom->Text(), "100.html") << "the From preview stays as it was";
}

TEST_F(PanePreview, AMessageOnEveryKeystrokeWhileANumberIsIncomplete) {
    TMainForm& main = Main();
    user.Type(*main.Edit_FromStart, "");
    user.TypeKeys(*main.Edit_FromStart, "-");
    user.TypeKeys(*main.Edit_FromStart, "-");
    EXPECT_EQ(TakeCaptions(), (std::vector<std::string>{kIntegerError, kIntegerError}));
    user.Type(*main.Edit_FromStart, "-3");
    EXPECT_TRUE(TakeCaptions().empty());
    EXPECT_EQ(main.Label_PreStartFrom->Text(), "-3.html");
}

TEST_F(PanePreview, AMaximumThatIsNotAnIntegerIsReportedAndGivesNoSubFolders) {
    TMainForm& main = Main();
    user.Type(*main.Edit_FromFile, "*");
    user.Type(*main.ComboBox_FromMax, "abc");
    ASSERT_EQ(backend.Messages().size(), 1u);
    EXPECT_EQ(backend.Messages()[0].text,
              "最大ファイル数が整数でないか、\nまたは絶対値が大きすぎます。");
    EXPECT_EQ(backend.Messages()[0].caption, kIntegerError);
    EXPECT_EQ(main.ErrorFlag, 1);
    EXPECT_EQ(main.Label_PreEndFrom->Text(), "100");
    EXPECT_FALSE(main.CSpinEdit_FromDepth->Enabled());
}

TEST_F(PanePreview, TheSyncOptionCopiesNameAndRangeButNotFolderMaximumOrDepth) {
    TMainForm& main = Main();
    user.Type(*main.Edit_ToDir, "D:\\out");
    user.Type(*main.ComboBox_ToMax, "10");
    user.Type(*main.Edit_FromDir, "C:\\in");
    user.Type(*main.ComboBox_FromMax, "100");
    user.Type(*main.Edit_FromFile, "img???.jpg");
    user.Type(*main.Edit_FromStart, "7");
    user.Type(*main.Edit_FromEnd, "250");

    EXPECT_EQ(main.Edit_ToFile->Text(), "img???.jpg");
    EXPECT_EQ(main.Edit_ToStart->Text(), "7");
    EXPECT_EQ(main.Edit_ToEnd->Text(), "250");
    EXPECT_EQ(main.Edit_ToDir->Text(), "D:\\out");
    EXPECT_EQ(main.ComboBox_ToMax->Text(), "10");
    EXPECT_EQ(main.CSpinEdit_FromDepth->Value(), 1);
    EXPECT_EQ(main.CSpinEdit_ToDepth->Value(), 2);
    EXPECT_EQ(main.Label_PreStartTo->Text(), "D:\\out\\0\\0\\img007.jpg");
    EXPECT_EQ(main.Label_PreEndTo->Text(), "D:\\out\\2\\25\\img250.jpg");
    EXPECT_EQ(main.Label_PreEndFrom->Text(), "C:\\in\\2\\img250.jpg");
}

TEST_F(PanePreview, WithPackingOnlyTheToEndPreviewIsMarkedAsAReferenceValue) {
    TMainForm& main = Main();
    OpenOptions([](TForm_Option& options) {
        options.CheckBox_Pack->SetChecked(true);
        options.Button_OK->Click();
    });
    EXPECT_EQ(main.Label_PreStartTo->Text(), "0.html");
    EXPECT_EQ(main.Label_PreEndTo->Text(), "100.html（参考値）");
    user.Type(*main.Edit_FromEnd, "5");
    EXPECT_EQ(main.Label_PreEndTo->Text(), "5.html（参考値）");
    EXPECT_EQ(main.Label_PreEndFrom->Text(), "5.html");
}

}  // namespace
}  // namespace kelvaro
