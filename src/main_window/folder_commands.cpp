// The commands that fill in a base folder: the folder browser beside each base folder, and the
// new-folder dialog of the To page.
#include <memory>

#include "about/uAbout.h"
#include "main_window/uMain.h"
#include "main_window/uNewDir.h"
#include "platform/shell.h"

namespace kelvaro {

namespace {

// The shell's folder browser; a confirmed folder is written into the edit exactly as the shell
// gives it, which runs the pane's change handler when the text differs.
void ChooseFolder(Form& owner, Edit& target, const std::string& title) {
    const std::optional<std::string> chosen =
        owner.App().GetBackend().GetShell().BrowseForFolder(owner, title);
    if (chosen) {
        target.SetText(*chosen);
    }
}

}  // namespace

void TMainForm::Button_FolderClick(Control&) {
    ChooseFolder(*this, *Edit_FromDir, "Fromの基本フォルダを選択してください");
}

void TMainForm::Button_ToDirClick(Control&) {
    ChooseFolder(*this, *Edit_ToDir, "Toの基本フォルダを選択してください");
}

void TMainForm::Button_ToNewClick(Control&) {
    // A fresh dialog each time: the name starts empty and the label shows the folder of now.
    auto dialog = std::make_unique<TOKBottomDlg>(App());
    dialog->ShowModal();
}

void TMainForm::About1Click(MenuItem&) {
    auto box = std::make_unique<TAboutBox>(App());
    box->ShowModal();
}

}  // namespace kelvaro
