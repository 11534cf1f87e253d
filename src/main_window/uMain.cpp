#include "main_window/uMain.h"

#include "forms/form_layouts.h"
#include "platform/layout.h"
#include "platform/shell.h"

namespace kelvaro {

TMainForm* MainForm = nullptr;

namespace {

// The main window is never taller than this (outer frame, 96 DPI); it may be as wide as the
// system allows.
constexpr int kMaxOuterHeight = 410;

}  // namespace

TMainForm::TMainForm(Application& owner) : Form(owner, "MainForm") {
    auto bind = [this](void (TMainForm::*handler)(Control&)) {
        return [this, handler](Control& sender) { (this->*handler)(sender); };
    };
    auto bindMenu = [this](void (TMainForm::*handler)(MenuItem&)) {
        return [this, handler](MenuItem& sender) { (this->*handler)(sender); };
    };
    FormHandlers handlers;
    handlers.events = {
        {"FromChange", bind(&TMainForm::FromChange)},
        {"ToChange", bind(&TMainForm::ToChange)},
        {"Button_StartClick", bind(&TMainForm::Button_StartClick)},
        {"TabSheet1Show", bind(&TMainForm::TabSheet1Show)},
        {"Button_FolderClick", bind(&TMainForm::Button_FolderClick)},
        {"Button_ToDirClick", bind(&TMainForm::Button_ToDirClick)},
        {"Button_ToNewClick", bind(&TMainForm::Button_ToNewClick)},
    };
    handlers.menuItems = {
        {"Exit1Click", bindMenu(&TMainForm::Exit1Click)},
        {"O1Click", bindMenu(&TMainForm::O1Click)},
        {"HTMLH1Click", bindMenu(&TMainForm::HTMLH1Click)},
        {"About1Click", bindMenu(&TMainForm::About1Click)},
    };
    handlers.close = {
        {"FormClose", [this](Control& sender, CloseAction& action) { FormClose(sender, action); }},
    };
    BuildForm(*this, MainFormLayout(), handlers);

    Bevel1 = &Get<Bevel>("Bevel1");
    PageControl1 = &Get<PageControl>("PageControl1");
    TabSheet1 = &Get<TabSheet>("TabSheet1");
    TabSheet2 = &Get<TabSheet>("TabSheet2");
    Button_Start = &Get<Button>("Button_Start");
    GroupBox_PreFrom = &Get<GroupBox>("GroupBox_PreFrom");
    GroupBox_PreTo = &Get<GroupBox>("GroupBox_PreTo");
    Label_PreStartFrom = &Get<Label>("Label_PreStartFrom");
    Label_PreEndFrom = &Get<Label>("Label_PreEndFrom");
    Label_PreStartTo = &Get<Label>("Label_PreStartTo");
    Label_PreEndTo = &Get<Label>("Label_PreEndTo");
    Edit_FromDir = &Get<Edit>("Edit_FromDir");
    Edit_ToDir = &Get<Edit>("Edit_ToDir");
    Button_FromDir = &Get<Button>("Button_FromDir");
    Button_ToDir = &Get<Button>("Button_ToDir");
    Button_ToNew = &Get<Button>("Button_ToNew");
    Edit_FromFile = &Get<Edit>("Edit_FromFile");
    Edit_ToFile = &Get<Edit>("Edit_ToFile");
    Button_FromFile = &Get<Button>("Button_FromFile");
    Button_ToFile = &Get<Button>("Button_ToFile");
    Edit_FromStart = &Get<Edit>("Edit_FromStart");
    Edit_ToStart = &Get<Edit>("Edit_ToStart");
    Edit_FromEnd = &Get<Edit>("Edit_FromEnd");
    Edit_ToEnd = &Get<Edit>("Edit_ToEnd");
    ComboBox_FromMax = &Get<ComboBox>("ComboBox_FromMax");
    ComboBox_ToMax = &Get<ComboBox>("ComboBox_ToMax");
    CSpinEdit_FromDepth = &Get<SpinEdit>("CSpinEdit_FromDepth");
    CSpinEdit_ToDepth = &Get<SpinEdit>("CSpinEdit_ToDepth");

    // Both maxima read "unlimited" at start; the layout holds that text already, so these
    // writes change nothing and run no handler: the previews stay empty until the first edit.
    ComboBox_FromMax->SetText("無制限");
    ComboBox_ToMax->SetText("無制限");

    OnGetMinMaxInfo = [](MinMaxInfo& limits) {
        limits.maxHeight = kMaxOuterHeight;
        limits.maxTrackHeight = kMaxOuterHeight;
    };
}

TMainForm::Pane TMainForm::PaneOf(Side side) const {
    if (side == Side::From) {
        return {Edit_FromDir,     Edit_FromFile,       Edit_FromStart,     Edit_FromEnd,
                ComboBox_FromMax, CSpinEdit_FromDepth, Label_PreStartFrom, Label_PreEndFrom};
    }
    return {Edit_ToDir,     Edit_ToFile,       Edit_ToStart,     Edit_ToEnd,
            ComboBox_ToMax, CSpinEdit_ToDepth, Label_PreStartTo, Label_PreEndTo};
}

void TMainForm::ShowMessage(const std::string& text, const std::string& caption) {
    App().MessageBox(text, caption, kMbOk);
}

void TMainForm::Exit1Click(MenuItem&) {
    Close();
}

void TMainForm::HTMLH1Click(MenuItem&) {
    // Relative to the current folder; whether the shell could open it is not looked at.
    App().GetBackend().GetShell().Open("", "manual\\manual.html", "", "", kShowNormal);
}

void TMainForm::FormClose(Control&, CloseAction&) {}

void TMainForm::TabSheet1Show(Control&) {}

}  // namespace kelvaro
