// The commands of the main window that open other windows.
#include "main_window/uMain.h"
#include "options/uOption.h"

namespace kelvaro {

void TMainForm::O1Click(MenuItem&) {
    // Whether the dialog was left with OK, Cancel or its close box, both panes are recomputed.
    Form_Option->ShowModal();
    FromChange(*this);
    ToChange(*this);
}

}  // namespace kelvaro
