// The live preview: every edit of a pane checks the number fields, settles the pane's maximum
// and depth, and shows the full paths of the first and last file of the pane's series. It uses
// the same path rules as a run, so the preview shows the paths that a run touches.
#include <string>

#include "main_window/uMain.h"
#include "options/uOption.h"
#include "paths/path_rules.h"
#include "platform/convert.h"

namespace kelvaro {

namespace {

const char* const kUnlimited = "無制限";
const char* const kReferenceMark = "（参考値）";

const char* const kIntegerErrorCaption = "整数エラー";
const char* const kUnexpectedError = "予期せぬエラーが発生しました。";

std::string CompletedFolder(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

std::int32_t NumberOf(const Edit& field) {
    return field.Text().empty() ? 0 : StrToInt(field.Text());
}

}  // namespace

void TMainForm::FromChange(Control&) {
    PaneChange(Side::From);
}

void TMainForm::ToChange(Control&) {
    PaneChange(Side::To);
}

void TMainForm::CheckFileInt() {
    for (const Edit* field : {Edit_FromStart, Edit_FromEnd, Edit_ToStart, Edit_ToEnd}) {
        if (field->Text().empty()) {
            continue;
        }
        try {
            StrToInt(field->Text());
        } catch (const ConvertError&) {
            ErrorFlag = 1;
            ShowMessage("数値部分の範囲が整数でないか、\nまたは絶対値が大きすぎます。",
                        kIntegerErrorCaption);
            return;
        } catch (const std::exception&) {
            ErrorFlag = -1;
            ShowMessage(kUnexpectedError, "数値部分の予期せぬエラー");
            return;
        }
    }
}

// Both panes run this, each on its own controls. Writing the depth box or, with the sync option,
// the To fields runs a handler again at once, nested in this run; every value here is local, and
// the nested run writes the same previews.
void TMainForm::PaneChange(Side side) {
    const Pane pane = PaneOf(side);
    ErrorFlag = 0;

    const std::string folder = CompletedFolder(pane.dir->Text());
    std::int32_t depth = pane.depth->Value();
    std::string maxText = pane.max->Text();
    if (maxText == "1") {
        maxText = kUnlimited;
    }

    CheckFileInt();
    if (ErrorFlag != 0) {
        return;
    }
    const std::int32_t start = NumberOf(*pane.start);
    const std::int32_t end = NumberOf(*pane.end);

    // A maximum that is not an integer is reported and then taken as unlimited: a run gives that
    // side no sub-folders, so neither does the preview.
    std::int32_t maximum = 0;
    if (maxText != kUnlimited && !maxText.empty()) {
        try {
            maximum = StrToInt(maxText);
        } catch (const ConvertError&) {
            ErrorFlag = 1;
            ShowMessage("最大ファイル数が整数でないか、\nまたは絶対値が大きすぎます。",
                        kIntegerErrorCaption);
        } catch (const std::exception&) {
            ErrorFlag = -1;
            ShowMessage(kUnexpectedError, "最大ファイル数の予期せぬエラー");
        }
    }
    std::int32_t required = 0;
    if (maximum >= 2) {
        required = RequiredDepth(end, maximum);
        pane.depth->SetEnabled(true);
    } else {
        maximum = 0;
        pane.depth->SetEnabled(false);
        pane.depth->SetValue(0);
    }

    // The depth is only raised here, never lowered: a user may choose a deeper tree.
    if (required > depth) {
        depth = required;
        pane.depth->SetValue(required);
    }

    const std::string pattern = pane.file->Text();
    pane.preStart->SetText(folder + MakeFolderPath(depth, start, maximum) +
                           MakeFileName(pattern, start));
    pane.preEnd->SetText(folder + MakeFolderPath(depth, end, maximum) + MakeFileName(pattern, end));

    if (side == Side::From) {
        if (Form_Option->CheckBox_Sync->Checked()) {
            Edit_ToFile->SetText(Edit_FromFile->Text());
            Edit_ToStart->SetText(Edit_FromStart->Text());
            Edit_ToEnd->SetText(Edit_FromEnd->Text());
        }
    } else if (Form_Option->CheckBox_Pack->Checked()) {
        // With packing, missing From files close up the To numbers: the last one is a guess.
        Label_PreEndTo->SetText(Label_PreEndTo->Text() + kReferenceMark);
    }
}

}  // namespace kelvaro
