#include "main_window/uNewDir.h"

#include "forms/form_layouts.h"
#include "main_window/uMain.h"
#include "platform/layout.h"

namespace kelvaro {

TOKBottomDlg::TOKBottomDlg(Application& owner) : Form(owner, "OKBottomDlg") {
    FormHandlers handlers;
    handlers.events = {
        {"FormCreate", [this](Control& sender) { FormCreate(sender); }},
        {"OKBtnClick", [this](Control& sender) { OKBtnClick(sender); }},
    };
    // The controls are found before the create event runs, which reads the label.
    FormLayout layout = NewDirFormLayout();
    const std::string onCreate = layout.onCreate;
    layout.onCreate.clear();
    BuildForm(*this, layout, handlers);
    OKBtn = &Get<Button>("OKBtn");
    CancelBtn = &Get<Button>("CancelBtn");
    Label_NowDir = &Get<Label>("Label_NowDir");
    Edit_NewDir = &Get<Edit>("Edit_NewDir");
    handlers.events.at(onCreate)(*this);
}

void TOKBottomDlg::FormCreate(Control&) {
    // The To base folder exactly as typed, in double quotes.
    Label_NowDir->SetText("\"" + MainForm->Edit_ToDir->Text() + "\"の下に作成");
}

void TOKBottomDlg::OKBtnClick(Control&) {
    std::string folder = MainForm->Edit_ToDir->Text();
    const std::string& name = Edit_NewDir->Text();
    if (name.empty()) {
        return;
    }
    if (!folder.empty() && folder.back() != '\\' && name.front() != '\\') {
        folder += '\\';
    }
    const std::string path = folder + name;
    // Whether the folder could be made is not looked at: an existing folder of that name simply
    // becomes the To base folder.
    App().Files().CreateDir(path);
    MainForm->Edit_ToDir->SetText(path);
}

}  // namespace kelvaro
