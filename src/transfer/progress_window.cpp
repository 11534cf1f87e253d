#include "forms/form_layouts.h"
#include "options/uOption.h"
#include "platform/layout.h"
#include "transfer/uOpe.h"

namespace kelvaro {

TForm_Ope* Form_Ope = nullptr;

TForm_Ope::TForm_Ope(Application& owner) : Form(owner, "Form_Ope") {
    FormHandlers handlers;
    handlers.events = {
        {"Button_StopClick", [this](Control& sender) { Button_StopClick(sender); }},
        {"FormShow", [this](Control& sender) { FormShow(sender); }},
    };
    handlers.close = {
        {"FormClose", [this](Control& sender, CloseAction& action) { FormClose(sender, action); }},
    };
    BuildForm(*this, OpeFormLayout(), handlers);
    Button_Stop = &Get<Button>("Button_Stop");
    Label1 = &Get<Label>("Label1");
    Label_From = &Get<Label>("Label_From");
    Label3 = &Get<Label>("Label3");
    Label_To = &Get<Label>("Label_To");
    CGauge1 = &Get<Gauge>("CGauge1");
}

void TForm_Ope::FormShow(Control&) {
    // A window left minimised by an earlier run comes back normal.
    SetWindowState(WindowState::Normal);
    App().OnMinimize = [this](Application& sender) { AppMinimize(sender); };
    App().OnRestore = [this](Application& sender) { AppRestore(sender); };
    SetText(Form_Option->CheckBox_CopyMode->Checked() ? "ファイルのコピー中" : "ファイルの移動中");
    // The worker starts at once and frees itself at the end of its run; its last step clears
    // this reference, so the window never holds a worker that has gone.
    operation_ = new TThread_Operation(App());
}

void TForm_Ope::Button_StopClick(Control&) {
    Close();
}

void TForm_Ope::FormClose(Control&, CloseAction&) {
    if (operation_ != nullptr) {
        operation_->Terminate();
    }
}

// Minimising or restoring the program neither pauses nor stops a run.
void TForm_Ope::AppMinimize(Application&) {}

void TForm_Ope::AppRestore(Application&) {}

void TForm_Ope::RunEnded(TThread_Operation& worker) {
    if (operation_ != &worker) {
        return;  // an ending worker never closes the window of a newer run
    }
    operation_ = nullptr;
    Close();
}

void TForm_Ope::WaitForEndingRun() {
    while (operation_ != nullptr) {
        App().MainThreadQueue().WaitAndRun(std::chrono::steady_clock::now() +
                                           std::chrono::milliseconds(10));
    }
}

}  // namespace kelvaro
