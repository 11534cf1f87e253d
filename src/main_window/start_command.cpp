// The start command: fill empty number fields, check the numbers, and run the transfer in the
// modal progress window.
#include "main_window/uMain.h"
#include "options/uOption.h"
#include "platform/convert.h"
#include "transfer/uOpe.h"

namespace kelvaro {

namespace {

const char* const kOrderErrorCaption = "大小関係エラー";

}  // namespace

void TMainForm::CheckFileValue() {
    if (StrToInt(Edit_FromStart->Text()) > StrToInt(Edit_FromEnd->Text())) {
        ErrorFlag = 1;
        ShowMessage("Fromの始点を、終点より小さい数値にしてください。", kOrderErrorCaption);
        return;
    }
    if (StrToInt(Edit_ToStart->Text()) > StrToInt(Edit_ToEnd->Text())) {
        ErrorFlag = 1;
        ShowMessage("Toの始点を、終点より小さい数値にしてください。", kOrderErrorCaption);
    }
}

void TMainForm::Button_StartClick(Control&) {
    // A run the user stopped may still be finishing its last number; the new one waits for it.
    Form_Ope->WaitForEndingRun();

    ErrorFlag = 0;
    Button_Start->SetText("初期設定中");
    // Each fill runs the pane's change handler at once, which may report and set ErrorFlag.
    for (Edit* field : {Edit_FromStart, Edit_FromEnd, Edit_ToStart, Edit_ToEnd}) {
        if (field->Text().empty()) {
            field->SetText("0");
        }
    }
    CheckFileInt();
    if (ErrorFlag == 0) {
        CheckFileValue();
    }
    if (ErrorFlag == 0) {
        Form_Ope->ShowModal();
    }
    Button_Start->SetText(Form_Option->CheckBox_CopyMode->Checked() ? "コピー開始(&S)"
                                                                    : "移動開始(&S)");
}

}  // namespace kelvaro
