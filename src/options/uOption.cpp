#include "options/uOption.h"

#include "forms/form_layouts.h"
#include "main_window/uMain.h"
#include "platform/layout.h"

namespace kelvaro {

TForm_Option* Form_Option = nullptr;

TForm_Option::TForm_Option(Application& owner) : Form(owner, "Form_Option") {
    auto bind = [this](void (TForm_Option::*handler)(Control&)) {
        return [this, handler](Control& sender) { (this->*handler)(sender); };
    };
    FormHandlers handlers;
    handlers.events = {
        {"Button_OKClick", bind(&TForm_Option::Button_OKClick)},
        {"FormShow", bind(&TForm_Option::FormShow)},
        {"Button_CancelClick", bind(&TForm_Option::Button_CancelClick)},
        {"CheckBox_SyncClick", bind(&TForm_Option::CheckBox_SyncClick)},
    };
    BuildForm(*this, OptionFormLayout(), handlers);
    Button_OK = &Get<Button>("Button_OK");
    Button_Cancel = &Get<Button>("Button_Cancel");
    Panel1 = &Get<Panel>("Panel1");
    CheckBox_CopyMode = &Get<CheckBox>("CheckBox_CopyMode");
    CheckBox_Caution = &Get<CheckBox>("CheckBox_Caution");
    CheckBox_Pack = &Get<CheckBox>("CheckBox_Pack");
    CheckBox_Sync = &Get<CheckBox>("CheckBox_Sync");
}

void TForm_Option::FormShow(Control&) {
    shown_ = {CheckBox_CopyMode->Checked(), CheckBox_Caution->Checked(), CheckBox_Sync->Checked(),
              CheckBox_Pack->Checked()};
}

void TForm_Option::Button_OKClick(Control&) {
    TMainForm& main = *MainForm;
    if (CheckBox_Sync->Checked()) {
        // Each copy that changes a text runs the To pane's handler at once.
        main.Edit_ToFile->SetText(main.Edit_FromFile->Text());
        main.Edit_ToFile->SetEnabled(false);
        main.Button_ToFile->SetEnabled(false);
        main.Edit_ToStart->SetText(main.Edit_FromStart->Text());
        main.Edit_ToStart->SetEnabled(false);
        main.Edit_ToEnd->SetText(main.Edit_FromEnd->Text());
        main.Edit_ToEnd->SetEnabled(false);
    } else {
        main.Edit_ToFile->SetEnabled(true);
        main.Button_ToFile->SetEnabled(true);
        main.Edit_ToStart->SetEnabled(true);
        main.Edit_ToEnd->SetEnabled(true);
    }
    // An ASCII opening parenthesis and a full-width closing one, as the program has always shown.
    if (CheckBox_CopyMode->Checked()) {
        main.Button_Start->SetText("コピー開始(&S)");
        main.GroupBox_PreFrom->SetText("From(コピー元）のファイル");
        main.GroupBox_PreTo->SetText("To(コピー先）のファイル");
    } else {
        main.Button_Start->SetText("移動開始(&S)");
        main.GroupBox_PreFrom->SetText("From(移動元）のファイル");
        main.GroupBox_PreTo->SetText("To(移動先）のファイル");
    }
    Close();
}

void TForm_Option::Button_CancelClick(Control&) {
    Close();
    CheckBox_CopyMode->SetChecked(shown_.copyMode);
    CheckBox_Caution->SetChecked(shown_.caution);
    CheckBox_Sync->SetChecked(shown_.sync);
    CheckBox_Pack->SetChecked(shown_.pack);
}

void TForm_Option::CheckBox_SyncClick(Control&) {}

}  // namespace kelvaro
