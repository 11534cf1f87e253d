// The new-folder dialog: a name typed here becomes a folder under the To base folder, and the
// new folder becomes the To base folder.
#pragma once

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace kelvaro {

class TOKBottomDlg : public Form {
  public:
    explicit TOKBottomDlg(Application& owner);

    Button* OKBtn;
    Button* CancelBtn;
    Label* Label_NowDir;
    Edit* Edit_NewDir;

    void FormCreate(Control& sender);
    void OKBtnClick(Control& sender);
};

}  // namespace kelvaro
